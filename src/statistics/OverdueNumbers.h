#pragma once

#include <array>
#include <vector>

#include "history/DrawRecord.h"
#include "statistics/StatSeries.h"

namespace varo {

// For every number, how many draws ago it last came (as one of the six numbers or as the
// bonus number): 1 for the last counted draw, the number of counted draws plus 1 for a
// number that never came.
struct OverdueNumbers {
    std::array<int, 46> gaps{};  // index = number; 0 collects zero bytes
    int draws = 0;               // draws counted
};

// Counts the draws dated on or after startDate, on every weekday. Bytes above 45 have no
// gap and are skipped.
OverdueNumbers countOverdueNumbers(const std::vector<DrawRecord>& draws, double startDate);

// Publishes the 45 gaps with a fixed range from the smallest to the largest gap.
void publishOverdueNumbers(const OverdueNumbers& overdue, StatSeries& series);

}  // namespace varo
