#include "generator/PreferredPool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "statistics/StatSeries.h"

namespace varo {
namespace {

using S = PoolStatistic;

int pointCount(PoolStatistic statistic) {
    switch (statistic) {
        case S::Pairs:
            return 44;
        case S::Triples:
            return 43;
        default:
            return 45;
    }
}

std::vector<double> flat(PoolStatistic statistic, double value) {
    return std::vector<double>(static_cast<std::size_t>(pointCount(statistic)), value);
}

// Values of a statistic: `base` everywhere except the given (point index, value) pairs.
std::vector<double> values(PoolStatistic statistic, double base,
                           const std::vector<std::pair<int, double>>& changes) {
    std::vector<double> v = flat(statistic, base);
    for (const auto& [index, value] : changes)
        v[static_cast<std::size_t>(index)] = value;
    return v;
}

// A series whose range runs from its smallest to its largest value, as the number, pair,
// triple and overdue statistics leave it.
StatSeries fixedSeries(const std::vector<double>& v) {
    StatSeries series;
    for (std::size_t i = 0; i < v.size(); ++i)
        series.addPoint(static_cast<double>(i + 1), v[i]);
    const auto [lowest, highest] = std::minmax_element(v.begin(), v.end());
    series.setFixedRange(*lowest, *highest);
    return series;
}

// A series with an automatic range (0 to the largest value), as the quadruples leave it.
StatSeries automaticSeries(const std::vector<double>& v) {
    StatSeries series;
    for (std::size_t i = 0; i < v.size(); ++i)
        series.addPoint(static_cast<double>(i + 1), v[i]);
    series.setAutomatic(true);
    return series;
}

// Serves a prepared series per statistic; the shown series is the one run last. Every
// statistic starts out all zero, which no top band takes anything from.
class FakeHost : public PoolHost {
  public:
    FakeHost() {
        for (S s : {S::Overdue, S::Pairs, S::Triples, S::Quadruples, S::Frequency})
            series[s] = fixedSeries(flat(s, 0));
    }

    const StatSeries& runStatistic(PoolStatistic statistic) override {
        runs.push_back(statistic);
        shown_ = &series.at(statistic);
        return *shown_;
    }
    const StatSeries& shownSeries() override { return shown_ ? *shown_ : nothingShown_; }
    void status(const std::string& text) override { texts.push_back(text); }

    std::map<PoolStatistic, StatSeries> series;
    std::vector<PoolStatistic> runs;
    std::vector<std::string> texts;

  private:
    StatSeries nothingShown_;
    const StatSeries* shown_ = nullptr;
};

PoolOptions noOptions() {
    PoolOptions options;
    options.frequent = false;
    options.rare = false;
    return options;
}

PoolOptions allOptions() {
    PoolOptions options;
    options.pairs = options.rarestPairs = true;
    options.triples = options.rarestTriples = true;
    options.quadruples = options.rarestQuadruples = true;
    options.frequent = options.rare = true;
    return options;
}

std::vector<int> preferred(const PreferredPool& pool, int from = 0) {
    return std::vector<int>(pool.entries.begin() + from, pool.entries.begin() + pool.count);
}

long occurrences(const PreferredPool& pool, int number, int places) {
    return std::count(pool.entries.begin(), pool.entries.begin() + places, number);
}

const std::string kOverdueText = "Berechnung der Überfälligen";
const std::string kPairsText = "Berechnung der Paarbildung";
const std::string kTriplesText = "Berechnung der Dreiergruppenbildung";
const std::string kQuadruplesText = "Berechnung der Vierergruppenbildung";
const std::string kFrequencyText = "Berechnung der Zahlenverteilung";

TEST(PreferredPoolTest, AppendStopsAtTheLastPlace) {
    PreferredPool pool;
    for (int i = 0; i < PreferredPool::kPlaces; ++i)
        pool.append(i % 45 + 1);
    ASSERT_EQ(pool.count, 501);
    EXPECT_EQ(pool.entries[500], 500 % 45 + 1);
    pool.append(7);
    EXPECT_EQ(pool.count, 501);
    EXPECT_EQ(pool.entries[500], 500 % 45 + 1);
}

TEST(PreferredPoolTest, BandBoundsRoundExactHalvesToEven) {
    struct Case {
        bool top;
        double lo, hi;
        int tenths;
        std::int64_t lower, upper;
    };
    const Case cases[] = {
        {true, 2, 7, 5, 4, 7},         // 4.5
        {true, 2, 7, 3, 6, 7},         // 5.5
        {true, 0, 25, 3, 18, 25},      // 17.5
        {true, 0, 5, 5, 2, 5},         // 2.5
        {true, 80, 120, 2, 112, 120},  // worked example, step 8a
        {true, 80, 120, 3, 108, 120},  // step 8b
        {true, 0, 9, 3, 6, 9},         // 6.3
        {true, 3, 3, 3, 3, 3},         // flat
        {false, 2, 7, 3, 0, 4},        // 3.5
        {false, 0, 5, 3, 0, 2},        // 1.5
        {false, 0, 5, 1, 0, 0},        // 0.5
        {false, 0, 35, 1, 0, 4},       // 3.5
        {false, 80, 120, 1, 0, 84},    // step 9a
        {false, 80, 120, 3, 0, 92},    // step 9b
        {false, 5, 5, 3, 0, 5},        // flat
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.top ? "top " : "bottom ") << c.lo << ".." << c.hi
                                        << " f=" << c.tenths << "/10");
        const Band band = c.top ? topBand(c.lo, c.hi, c.tenths) : bottomBand(c.lo, c.hi, c.tenths);
        EXPECT_EQ(band.lower, c.lower);
        EXPECT_EQ(band.upper, c.upper);
    }
}

TEST(PreferredPoolTest, NoOptionGivesThePlainFilling) {
    FakeHost host;
    const PreferredPool pool = buildPreferredPool(noOptions(), host);

    EXPECT_TRUE(host.runs.empty());
    EXPECT_TRUE(host.texts.empty());
    EXPECT_EQ(pool.count, 0);
    EXPECT_EQ(pool.pickRange, 500);
    for (int number = 1; number <= 45; ++number) {
        const long expected = number <= 27 ? 12 : number <= 43 ? 11 : 0;
        EXPECT_EQ(occurrences(pool, number, 500), expected) << "number " << number;
    }
    EXPECT_EQ(pool.entries[0], 1);
    EXPECT_EQ(pool.entries[43], 1);
    EXPECT_EQ(pool.entries[500], 500 % 43 + 1);  // filled, outside the pick range
}

TEST(PreferredPoolTest, OnlyPreferredWithoutOptionIsEmpty) {
    FakeHost host;
    PoolOptions options = noOptions();
    options.onlyPreferred = true;
    const PreferredPool pool = buildPreferredPool(options, host);

    EXPECT_EQ(pool.count, 0);
    EXPECT_EQ(pool.pickRange, 0);
    EXPECT_TRUE(std::all_of(pool.entries.begin(), pool.entries.end(),
                            [](std::int32_t e) { return e == 0; }));
}

// Lo 2, Hi 7: L = nearest(4.5) = 4, so 5, 6 and 7 pass the strict test and 4 does not.
TEST(PreferredPoolTest, RoundedBoundAtOverdueStepAndFillingAfterIt) {
    FakeHost host;
    host.series[S::Overdue] =
        fixedSeries(values(S::Overdue, 3, {{0, 2}, {1, 4}, {2, 5}, {3, 6}, {4, 7}}));
    PoolOptions options = noOptions();
    options.pairs = true;
    const PreferredPool pool = buildPreferredPool(options, host);

    EXPECT_EQ(preferred(pool), (std::vector<int>{3, 3, 4, 4, 5, 5}));
    EXPECT_EQ(host.texts[1], "Min: 4  Max: 7  0");
    EXPECT_EQ(pool.pickRange, 500);
    EXPECT_EQ(pool.entries[6], 1);  // the cycle starts after the preferred entries
    EXPECT_EQ(pool.entries[48], 43);
    EXPECT_EQ(pool.entries[49], 1);
    EXPECT_EQ(pool.entries[500], (500 - 6) % 43 + 1);
}

// Lo 80, Hi 120: step 8a takes 112..120 twice, step 8b 108..120 once. The overdue numbers
// put 36 entries in first.
TEST(PreferredPoolTest, FrequentNumbersWorkedExampleAfterOtherSteps) {
    FakeHost host;
    std::vector<std::pair<int, double>> overdue;
    for (int i = 20; i < 38; ++i)
        overdue.push_back({i, 10});  // numbers 21..38, L = 5
    host.series[S::Overdue] = fixedSeries(values(S::Overdue, 0, overdue));
    host.series[S::Pairs] = fixedSeries(flat(S::Pairs, 4));
    host.series[S::Frequency] = fixedSeries(
        values(S::Frequency, 100,
               {{0, 80}, {1, 120}, {4, 115}, {5, 110}, {6, 112}, {7, 108}, {8, 107}, {44, 111}}));
    PoolOptions options = noOptions();
    options.pairs = true;
    options.frequent = true;
    options.onlyPreferred = true;
    const PreferredPool pool = buildPreferredPool(options, host);

    EXPECT_EQ(host.runs, (std::vector<S>{S::Overdue, S::Pairs, S::Frequency}));
    EXPECT_EQ(host.texts, (std::vector<std::string>{kOverdueText, "Min: 5  Max: 10  0",  //
                                                    kPairsText, "Min: 4  Max: 4  36",    //
                                                    kFrequencyText, "Min: 112  Max: 120  36",
                                                    "Min: 108  Max: 120  42"}));
    EXPECT_EQ(preferred(pool, 36), (std::vector<int>{2, 2, 5, 5, 7, 7, 2, 5, 6, 7, 8, 45}));
    EXPECT_EQ(occurrences(pool, 5, pool.count), 3);  // drawn 115 times
    EXPECT_EQ(occurrences(pool, 6, pool.count), 1);  // drawn 110 times
    EXPECT_EQ(occurrences(pool, 1, pool.count), 0);  // Lo
    EXPECT_EQ(pool.pickRange, 48);
}

// Each group statistic is visited up to point Count - k; a passing point appends its numbers.
TEST(PreferredPoolTest, TopStepsVisitUpToTheLastWholeGroup) {
    struct Case {
        bool PoolOptions::*option;
        PoolStatistic statistic;
        int groupSize;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {&PoolOptions::pairs, S::Overdue, 1, {3, 3, 45, 45}},
        {&PoolOptions::pairs, S::Pairs, 2, {3, 4, 43, 44}},
        {&PoolOptions::triples, S::Triples, 3, {3, 4, 5, 41, 42, 43}},
        {&PoolOptions::quadruples, S::Quadruples, 4, {3, 4, 5, 6, 42, 43, 44, 45}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "group size " << c.groupSize);
        const int last = pointCount(c.statistic) - c.groupSize;
        std::vector<std::pair<int, double>> high{{2, 9}, {last, 9}};
        if (last + 1 < pointCount(c.statistic)) high.push_back({last + 1, 9});
        const std::vector<double> v = values(c.statistic, 0, high);
        FakeHost host;
        host.series[c.statistic] =
            c.statistic == S::Quadruples ? automaticSeries(v) : fixedSeries(v);
        PoolOptions options = noOptions();
        options.*c.option = true;
        options.onlyPreferred = true;
        EXPECT_EQ(preferred(buildPreferredPool(options, host)), c.expected);
    }
}

TEST(PreferredPoolTest, PairOf44And45NeverContributes) {
    {
        FakeHost host;  // the pair 44/45 sets Hi but is not looked at
        host.series[S::Pairs] = fixedSeries(values(S::Pairs, 0, {{43, 100}, {10, 90}}));
        PoolOptions options = noOptions();
        options.pairs = true;
        options.onlyPreferred = true;
        EXPECT_EQ(preferred(buildPreferredPool(options, host)), (std::vector<int>{11, 12}));
    }
    {
        FakeHost host;  // the rarest pair but one is taken, the rarest is 44/45
        host.series[S::Pairs] = fixedSeries(values(S::Pairs, 20, {{43, 1}, {7, 2}}));
        PoolOptions options = noOptions();
        options.rarestPairs = true;
        options.onlyPreferred = true;
        EXPECT_EQ(preferred(buildPreferredPool(options, host)), (std::vector<int>{8, 9}));
        EXPECT_EQ(host.texts.back(), "Min: 0  Max: 7  0");
    }
}

TEST(PreferredPoolTest, FlatSeriesLeavesTopBandsOfGroupsAndOverdueEmpty) {
    FakeHost host;
    for (S s : {S::Overdue, S::Pairs, S::Triples, S::Quadruples})
        host.series[s] = fixedSeries(flat(s, 5));
    PoolOptions options = noOptions();
    options.pairs = options.triples = options.quadruples = true;
    options.onlyPreferred = true;
    const PreferredPool pool = buildPreferredPool(options, host);

    EXPECT_EQ(pool.count, 0);
    EXPECT_EQ(host.runs, (std::vector<S>{S::Overdue, S::Pairs, S::Triples, S::Quadruples}));
    EXPECT_EQ(std::count(host.texts.begin(), host.texts.end(), "Min: 5  Max: 5  0"), 4);
}

// A flat series lies in the bottom band entirely; groups that never occurred stay out.
TEST(PreferredPoolTest, FlatSeriesBottomBandsTakeEveryGroupAboveZero) {
    struct Case {
        bool PoolOptions::*option;
        PoolStatistic statistic;
        int groupSize;
        const char* maxSeparator;
    };
    const Case cases[] = {
        {&PoolOptions::rarestPairs, S::Pairs, 2, "  Max: "},
        {&PoolOptions::rarestTriples, S::Triples, 3, "  Max: "},
        {&PoolOptions::rarestQuadruples, S::Quadruples, 4, " Max: "},
    };
    for (const Case& c : cases) {
        for (const double value : {5.0, 0.0}) {
            SCOPED_TRACE(testing::Message() << "group size " << c.groupSize << ", value " << value);
            FakeHost host;
            host.series[c.statistic] = fixedSeries(flat(c.statistic, value));
            PoolOptions options = noOptions();
            options.*c.option = true;
            options.onlyPreferred = true;
            const PreferredPool pool = buildPreferredPool(options, host);

            std::vector<int> expected;
            if (value > 0)
                for (int i = 0; i <= pointCount(c.statistic) - c.groupSize; ++i)
                    for (int n = 1; n <= c.groupSize; ++n)
                        expected.push_back(i + n);
            EXPECT_EQ(preferred(pool), expected);
            const std::string bound = std::to_string(static_cast<int>(value));
            EXPECT_EQ(host.texts.back(), "Min: 0" + std::string(c.maxSeparator) + bound + "  0");
        }
    }
}

// Numbers never drawn (value 0) are in both bands of a flat frequency series.
TEST(PreferredPoolTest, FlatFrequencyTakesEveryNumberInBothBands) {
    struct Case {
        bool frequent;
        int perNumber;
    };
    for (const double value : {0.0, 7.0}) {
        for (const Case c : {Case{true, 6}, Case{false, 3}}) {
            SCOPED_TRACE(testing::Message() << "value " << value << ", frequent " << c.frequent);
            FakeHost host;
            host.series[S::Frequency] = fixedSeries(flat(S::Frequency, value));
            PoolOptions options = noOptions();
            options.frequent = c.frequent;
            options.rare = true;
            options.onlyPreferred = true;
            const PreferredPool pool = buildPreferredPool(options, host);

            ASSERT_EQ(pool.count, 45 * c.perNumber);
            for (int number = 1; number <= 45; ++number)
                EXPECT_EQ(occurrences(pool, number, pool.count), c.perNumber) << number;
            // Step 9 alone: twice from 9a, once from 9b.
            const std::vector<int> step9 = preferred(pool, pool.count - 135);
            for (int number = 1; number <= 45; ++number)
                EXPECT_EQ(std::count(step9.begin(), step9.end(), number), 3) << number;
            EXPECT_EQ(host.runs, std::vector<S>{S::Frequency});
        }
    }
}

// A bottom step reads the series its top step left; with the top step off it runs the
// statistic itself, after the same status text.
TEST(PreferredPoolTest, BottomStepReusesTheSeriesOfItsTopStep) {
    struct Case {
        bool PoolOptions::*top;
        bool PoolOptions::*bottom;
        PoolStatistic statistic;
        std::string text;
    };
    const Case cases[] = {
        {&PoolOptions::pairs, &PoolOptions::rarestPairs, S::Pairs, kPairsText},
        {&PoolOptions::triples, &PoolOptions::rarestTriples, S::Triples, kTriplesText},
        {&PoolOptions::quadruples, &PoolOptions::rarestQuadruples, S::Quadruples, kQuadruplesText},
        {&PoolOptions::frequent, &PoolOptions::rare, S::Frequency, kFrequencyText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        {
            FakeHost host;
            host.series[c.statistic] = fixedSeries(values(c.statistic, 6, {{0, 1}, {1, 9}}));
            PoolOptions options = noOptions();
            options.*c.top = true;
            options.*c.bottom = true;
            const PreferredPool pool = buildPreferredPool(options, host);
            EXPECT_EQ(std::count(host.runs.begin(), host.runs.end(), c.statistic), 1);
            EXPECT_EQ(std::count(host.texts.begin(), host.texts.end(), c.text), 1);
            EXPECT_GT(occurrences(pool, 1, pool.count), 0);  // only the bottom band takes 1
        }
        {
            FakeHost host;
            PoolOptions options = noOptions();
            options.*c.bottom = true;
            buildPreferredPool(options, host);
            EXPECT_EQ(host.runs, std::vector<S>{c.statistic});
            ASSERT_GE(host.texts.size(), 2u);
            EXPECT_EQ(host.texts[0], c.text);
            EXPECT_EQ(host.texts[1].rfind("Min: 0 ", 0), 0u) << host.texts[1];
        }
    }
}

// Steps 7 and 9a show one blank before "Max:", step 9b two.
TEST(PreferredPoolTest, RarestOnlyRunShowsNarrowMaxAtSteps7And9a) {
    FakeHost host;
    // Quadruples leave their axis automatic: Lo 0, Hi 15, U = nearest(4.5) = 4.
    host.series[S::Quadruples] =
        automaticSeries(values(S::Quadruples, 15, {{3, 4}, {5, 0}, {42, 0}, {43, 0}, {44, 0}}));
    host.series[S::Frequency] = fixedSeries(
        values(S::Frequency, 100, {{0, 80}, {1, 120}, {2, 84}, {3, 85}, {4, 92}, {5, 93}}));
    PoolOptions options = noOptions();
    options.rarestQuadruples = true;
    options.rare = true;
    options.onlyPreferred = true;
    const PreferredPool pool = buildPreferredPool(options, host);

    EXPECT_EQ(host.runs, (std::vector<S>{S::Quadruples, S::Frequency}));
    EXPECT_EQ(host.texts,
              (std::vector<std::string>{kQuadruplesText, "Min: 0 Max: 4  0", kFrequencyText,
                                        "Min: 0 Max: 84  4", "Min: 0  Max: 92  8"}));
    EXPECT_EQ(preferred(pool), (std::vector<int>{4, 5, 6, 7, 1, 1, 3, 3, 1, 3, 4, 5}));
}

// Every series flat at 5: the top bands of steps 1 to 7 are empty, everything else passes.
void makeFlat(FakeHost& host) {
    for (S s : {S::Overdue, S::Pairs, S::Triples, S::Quadruples, S::Frequency})
        host.series[s] = fixedSeries(flat(s, 5));
}

TEST(PreferredPoolTest, AllOptionsRunTheStepsInOrder) {
    FakeHost host;
    makeFlat(host);
    buildPreferredPool(allOptions(), host);

    EXPECT_EQ(host.runs,
              (std::vector<S>{S::Overdue, S::Pairs, S::Triples, S::Quadruples, S::Frequency}));
    EXPECT_EQ(host.texts, (std::vector<std::string>{
                              kOverdueText, "Min: 5  Max: 5  0",       // 1
                              kPairsText, "Min: 5  Max: 5  0",         // 2
                              "Min: 0  Max: 5  0",                     // 3
                              kTriplesText, "Min: 5  Max: 5  86",      // 4
                              "Min: 0  Max: 5  86",                    // 5
                              kQuadruplesText, "Min: 5  Max: 5  209",  // 6
                              "Min: 0 Max: 5  209",                    // 7
                              kFrequencyText, "Min: 5  Max: 5  377",   // 8a
                              "Min: 5  Max: 5  467",                   // 8b
                              "Min: 0 Max: 5  501",                    // 9a
                              "Min: 0  Max: 5  501",                   // 9b
                          }));
}

// 86 + 123 + 168 + 90 + 45 + 90 + 45 entries would be due; the pool keeps the first 501.
TEST(PreferredPoolTest, MoreEntriesThanPlacesStopAtTheLastPlace) {
    for (const bool onlyPreferred : {false, true}) {
        SCOPED_TRACE(onlyPreferred ? "only preferred" : "filled");
        FakeHost host;
        makeFlat(host);
        PoolOptions options = allOptions();
        options.onlyPreferred = onlyPreferred;
        const PreferredPool pool = buildPreferredPool(options, host);

        EXPECT_EQ(pool.count, PreferredPool::kPlaces);
        EXPECT_EQ(pool.pickRange, onlyPreferred ? 501 : 500);
        EXPECT_LE(pool.pickRange, PreferredPool::kPlaces);
        for (int place = 0; place < pool.pickRange; ++place) {
            EXPECT_GE(pool.entries[static_cast<std::size_t>(place)], 1) << place;
            EXPECT_LE(pool.entries[static_cast<std::size_t>(place)], 45) << place;
        }
        EXPECT_EQ(pool.entries[466], 45);  // the end of step 8a
        EXPECT_EQ(pool.entries[500], 34);  // step 8b, 34th number; nothing is filled
    }
}

}  // namespace
}  // namespace varo
