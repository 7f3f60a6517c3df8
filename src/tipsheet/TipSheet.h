#pragma once

#include <array>
#include <string>
#include <string_view>

#include "tipsheet/TipSheetNames.h"

namespace varo {

enum class CellColour { Window, Lime, Yellow };
enum class TextColour { WindowText, Black, Red };

// One tip: six number cells with their background colours, the row label's colour (red
// means the tip is marked) and the hits and sum texts.
struct TipRow {
    std::array<std::string, kCellsPerTip> cells;
    std::array<CellColour, kCellsPerTip> colours{};
    TextColour labelColour = TextColour::WindowText;
    std::string hits;
    TextColour hitsColour = TextColour::WindowText;
    std::string sum;
};

// The normal form of a cell text: the plain decimal form of a number from 1 to 45, or
// empty for anything else ("007" gives "7", "0" and "46" give "").
std::string normalizeCellText(std::string_view text);

// The twelve tips of the tip sheet, tip 1..12 and position 1..6.
class TipSheet {
  public:
    // Sets a cell's text through the cell validation, as every change of a cell does.
    void setCell(int tip, int position, std::string_view text);
    const std::string& cell(int tip, int position) const;

    TipRow& row(int tip) { return rows_.at(static_cast<std::size_t>(tip - 1)); }
    const TipRow& row(int tip) const { return rows_.at(static_cast<std::size_t>(tip - 1)); }

    // A tip is present when its first cell is not empty.
    bool present(int tip) const { return !cell(tip, 1).empty(); }

    bool marked(int tip) const { return row(tip).labelColour == TextColour::Red; }
    void toggleMark(int tip);

    // Empties every unmarked tip with its hits and sum texts; marks and colours stay.
    void clearUnmarked();

  private:
    std::array<TipRow, kTipCount> rows_;
};

}  // namespace varo
