#pragma once

#include <array>
#include <functional>
#include <vector>

#include "history/DrawRecord.h"
#include "statistics/StatSeries.h"

namespace varo {

// How often each number came, as one of the six numbers or as the bonus number.
struct NumberFrequency {
    std::array<int, 46> counts{};  // index = number; 0 collects zero bytes
    double draws = 0.0;            // draws counted
    double sumTotal = 0.0;         // sum of the six numbers over the counted draws
};

// Counts the draws dated on or after startDate. A byte 65 in the seven counted bytes
// reports the draw through onByte65 (a known damage pattern of old files); bytes above 45
// have no counter and are skipped.
NumberFrequency countNumberFrequency(const std::vector<DrawRecord>& draws, double startDate,
                                     const std::function<void(const DrawRecord&)>& onByte65);

// Publishes the 45 bars with a fixed range from the smallest to the largest count and the
// caption with the draw count and the rounded average sum (0 when no draw was counted).
void publishNumberFrequency(const NumberFrequency& frequency, StatSeries& series);

}  // namespace varo
