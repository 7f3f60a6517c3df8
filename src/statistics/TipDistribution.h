#pragma once

#include <array>

#include "statistics/StatSeries.h"
#include "tipsheet/TipSheet.h"

namespace varo {

// How often each number occurs on the tip sheet.
struct TipDistribution {
    std::array<int, 46> counts{};  // index = number; slot 0 stays 0
};

// Reads the cells in sheet order (tip 1 positions 1 to 6, then tip 2, ...) up to the first
// cell that holds no number, which ends the reading without a message. Cells only ever hold
// 1 to 45; anything else that got into a cell is passed over without a count.
TipDistribution countTipDistribution(const TipSheet& tips);

// Publishes the 45 counts with a fixed range from the smallest to the largest count.
void publishTipDistribution(const TipDistribution& distribution, StatSeries& series);

}  // namespace varo
