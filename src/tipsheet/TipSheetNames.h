#pragma once

#include <string>

namespace varo {

inline constexpr int kTipCount = 12;
inline constexpr int kCellsPerTip = 6;

// Component names of the tip sheet's controls, tip 1..12 and position 1..6. The settings
// store keeps each cell under its name, and the view names its widgets after them.
std::string tipCellName(int tip, int position);  // "Edit1" .. "Edit79"
std::string tipRowLabelName(int tip);            // "Label28" ..
std::string tipHitsLabelName(int tip);           // "Label22" ..
std::string tipSumLabelName(int tip);            // "Label36" ..

}  // namespace varo
