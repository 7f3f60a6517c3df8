#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "history/DrawRecord.h"
#include "statistics/StatSeries.h"
#include "statistics/WeekdayFilter.h"

namespace varo {

// How often each sum of the six drawn numbers occurred.
struct SumDistribution {
    static constexpr int kLargestSum = 279;  // six numbers up to 45 stay far below

    std::array<int, kLargestSum + 1> counts{};  // index = sum
    int smallest = 500;                         // smallest sum counted; 500 while none
    int largest = 0;                            // largest sum counted; 0 while none
    int draws = 0;                              // draws counted
    std::int64_t sumTotal = 0;                  // sum of the counted draws' sums
};

// Counts the draws dated on or after startDate that pass the weekday filter. A draw whose
// sum lies above kLargestSum can only come from a damaged record (a byte above 45); it has
// no bar and is not counted at all, so it neither shifts the average nor stretches the
// chart to hundreds of empty bars.
SumDistribution countSumDistribution(const std::vector<DrawRecord>& draws, double startDate,
                                     WeekdayFilter filter);

// Publishes one bar per sum from the smallest to the largest counted sum, empty sums
// included, with an automatic range, and the caption with the draw count and the rounded
// average sum (0 when no draw was counted). Without a counted draw there is no bar.
void publishSumDistribution(const SumDistribution& distribution, StatSeries& series);

}  // namespace varo
