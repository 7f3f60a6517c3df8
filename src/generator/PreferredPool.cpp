#include "generator/PreferredPool.h"

#include <cstddef>
#include <string>

#include "common/DateSerial.h"
#include "statistics/StatSeries.h"

namespace varo {

void PreferredPool::append(std::int32_t number) {
    if (count >= kPlaces) return;
    entries[static_cast<std::size_t>(count)] = number;
    ++count;
}

namespace {

// num / den rounded to the nearest integer, a half going to the even neighbour; den > 0.
// Done in integers so that a bound like 4.5 is a true tie and not 4.4999... or 4.5000...1.
std::int64_t roundRatioHalfEven(std::int64_t num, std::int64_t den) {
    std::int64_t quotient = num / den;
    if (num % den != 0 && num < 0) --quotient;  // floor, so the remainder is never negative
    const std::int64_t twiceRemainder = 2 * (num - quotient * den);
    if (twiceRemainder < den) return quotient;
    if (twiceRemainder > den) return quotient + 1;
    return quotient % 2 == 0 ? quotient : quotient + 1;
}

enum class BandSide { Top, Bottom };

struct Step {
    bool PoolOptions::*option;
    // A bottom step reads the series its top step left and runs the statistic itself only
    // when that step is off, so each statistic runs at most once.
    bool PoolOptions::*topOption;
    PoolStatistic statistic;
    const char* statusText;  // none: reads the series the step before left
    BandSide band;
    int tenths;
    bool lowerInclusive;  // L <= v instead of L < v
    int groupSize;        // numbers in one point: the last point visited is Count - groupSize
    int copies;           // how often a passing point's numbers are appended
    const char* maxSeparator;
};

constexpr const char* kOverdueText = "Berechnung der Überfälligen";
constexpr const char* kPairsText = "Berechnung der Paarbildung";
constexpr const char* kTriplesText = "Berechnung der Dreiergruppenbildung";
constexpr const char* kQuadruplesText = "Berechnung der Vierergruppenbildung";
constexpr const char* kFrequencyText = "Berechnung der Zahlenverteilung";
constexpr const char* kMax = "  Max: ";
constexpr const char* kMaxNarrow = " Max: ";

using O = PoolOptions;
using S = PoolStatistic;

// In the order they append. Both the overdue numbers and the frequent pairs follow the pair
// option; the rarely drawn numbers follow CheckBox10, and CheckBox14 is read by no step.
constexpr Step kSteps[] = {
    {&O::pairs, nullptr, S::Overdue, kOverdueText, BandSide::Top, 5, false, 1, 2, kMax},
    {&O::pairs, nullptr, S::Pairs, kPairsText, BandSide::Top, 3, false, 2, 1, kMax},
    {&O::rarestPairs, &O::pairs, S::Pairs, kPairsText, BandSide::Bottom, 3, false, 2, 1, kMax},
    {&O::triples, nullptr, S::Triples, kTriplesText, BandSide::Top, 3, false, 3, 1, kMax},
    {&O::rarestTriples, &O::triples, S::Triples, kTriplesText, BandSide::Bottom, 3, false, 3, 1,
     kMax},
    {&O::quadruples, nullptr, S::Quadruples, kQuadruplesText, BandSide::Top, 3, false, 4, 1, kMax},
    {&O::rarestQuadruples, &O::quadruples, S::Quadruples, kQuadruplesText, BandSide::Bottom, 3,
     false, 4, 1, kMaxNarrow},
    {&O::frequent, nullptr, S::Frequency, kFrequencyText, BandSide::Top, 2, true, 1, 2, kMax},
    {&O::frequent, nullptr, S::Frequency, nullptr, BandSide::Top, 3, true, 1, 1, kMax},
    {&O::rare, &O::frequent, S::Frequency, kFrequencyText, BandSide::Bottom, 1, true, 1, 2,
     kMaxNarrow},
    {&O::rare, nullptr, S::Frequency, nullptr, BandSide::Bottom, 3, true, 1, 1, kMax},
};

const StatSeries& seriesOf(const Step& step, const PoolOptions& options, PoolHost& host) {
    const bool reuse =
        step.statusText == nullptr || (step.topOption != nullptr && options.*step.topOption);
    if (reuse) return host.shownSeries();
    host.status(step.statusText);
    return host.runStatistic(step.statistic);
}

void runStep(const Step& step, const StatSeries& series, PreferredPool& pool, PoolHost& host) {
    const double lo = series.minimum();
    const double hi = series.maximum();
    const Band band =
        step.band == BandSide::Top ? topBand(lo, hi, step.tenths) : bottomBand(lo, hi, step.tenths);
    host.status("Min: " + std::to_string(band.lower) + step.maxSeparator +
                std::to_string(band.upper) + "  " + std::to_string(pool.count));

    const double lower = static_cast<double>(band.lower);
    const double upper = static_cast<double>(band.upper);
    for (int i = 0; i <= series.count() - step.groupSize; ++i) {
        const double v = series.yValue(i);
        const bool aboveLower = step.lowerInclusive ? v >= lower : v > lower;
        if (!aboveLower || v > upper) continue;
        for (int copy = 0; copy < step.copies; ++copy)
            for (int n = 1; n <= step.groupSize; ++n)
                pool.append(i + n);
    }
}

}  // namespace

Band topBand(double lo, double hi, int tenths) {
    const std::int64_t low = roundHalfEven(lo);
    const std::int64_t high = roundHalfEven(hi);
    return {roundRatioHalfEven(10 * high - tenths * (high - low), 10), high};
}

Band bottomBand(double lo, double hi, int tenths) {
    const std::int64_t low = roundHalfEven(lo);
    const std::int64_t high = roundHalfEven(hi);
    return {0, roundRatioHalfEven(10 * low + tenths * (high - low), 10)};
}

PreferredPool buildPreferredPool(const PoolOptions& options, PoolHost& host) {
    PreferredPool pool;
    for (const Step& step : kSteps) {
        if (!(options.*step.option)) continue;
        runStep(step, seriesOf(step, options, host), pool, host);
    }

    if (options.onlyPreferred) {
        pool.pickRange = pool.count;
        return pool;
    }
    // The cycle stops at 43: 44 and 45 only get in as preferred numbers. Place 500 is filled
    // but lies outside the pick range.
    for (int place = pool.count; place < PreferredPool::kPlaces; ++place)
        pool.entries[static_cast<std::size_t>(place)] = (place - pool.count) % 43 + 1;
    pool.pickRange = 500;
    return pool;
}

}  // namespace varo
