#include "statistics/SumDistribution.h"

#include <string>

#include "common/DateSerial.h"

namespace varo {

SumDistribution countSumDistribution(const std::vector<DrawRecord>& draws, double startDate,
                                     WeekdayFilter filter) {
    SumDistribution result;
    for (const DrawRecord& draw : draws) {
        if (draw.Datum < startDate || !filter.passes(draw.Datum)) continue;
        int sum = 0;
        for (const std::uint8_t number : draw.Zahlen)
            sum += number;
        if (sum > SumDistribution::kLargestSum) continue;
        ++result.counts[static_cast<std::size_t>(sum)];
        if (sum < result.smallest) result.smallest = sum;
        if (sum > result.largest) result.largest = sum;
        ++result.draws;
        result.sumTotal += sum;
    }
    return result;
}

void publishSumDistribution(const SumDistribution& distribution, StatSeries& series) {
    if (distribution.largest >= distribution.smallest) {
        for (int sum = distribution.smallest; sum <= distribution.largest; ++sum)
            series.addPoint(sum, distribution.counts[static_cast<std::size_t>(sum)]);
    }
    series.setAutomatic(true);
    const std::int64_t average =
        distribution.draws > 0
            ? roundHalfEven(static_cast<double>(distribution.sumTotal) / distribution.draws)
            : 0;
    series.setCaption("Quersummenverteilung     Ziehungen: " + std::to_string(distribution.draws) +
                      "    Quersumme: " + std::to_string(average));
}

}  // namespace varo
