#include "statistics/GroupStatistics.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "evaluation/Zettelcheck.h"
#include "support/HistoryFixture.h"

namespace varo {
namespace {

using test::draw;

constexpr double kSunday = 22933.0;  // 14.10.1962
constexpr double kWednesday = kSunday + 3;
constexpr WeekdayFilter kSundaysOnly{true, false};

// A check register that no group test would leave behind.
CurrentDraw untouchedDraw() {
    CurrentDraw current;
    for (std::size_t i = 1; i <= 8; ++i)
        current.Zahl[i] = 50 + static_cast<int>(i);
    current.Datum1 = 12345;
    current.Position = 7;
    current.Treffer.fill(9);
    current.Gewinn = 33;
    current.Zusatz = true;
    return current;
}

void expectSameDraw(const CurrentDraw& actual, const CurrentDraw& expected) {
    EXPECT_EQ(actual.Zahl, expected.Zahl);
    EXPECT_EQ(actual.Treffer, expected.Treffer);
    EXPECT_EQ(actual.Gewinn, expected.Gewinn);
    EXPECT_EQ(actual.Zusatz, expected.Zusatz);
    EXPECT_EQ(actual.Datum1, expected.Datum1);
    EXPECT_EQ(actual.Position, expected.Position);
}

// The group test by text, one Zettelcheck per group and draw.
GroupCount countByText(const std::vector<DrawRecord>& draws, const GroupKind& kind,
                       double startDate, WeekdayFilter filter, CurrentDraw& current) {
    GroupCount result;
    result.kind = kind;
    for (const DrawRecord& d : draws) {
        if (d.Datum < startDate || !filter.passes(d.Datum)) continue;
        current.loadNumbers(d);
        for (int k = 1; k <= kind.lastFirstNumber; ++k) {
            std::array<std::string, 6> texts;
            for (int j = 0; j < 6; ++j)
                texts[static_cast<std::size_t>(j)] = j < kind.size ? std::to_string(k + j) : "0";
            Zettelcheck(current, {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]});
            if (current.Gewinn == kind.size) {
                ++result.counts[static_cast<std::size_t>(k)];
                ++result.found;
            }
        }
        ++result.draws;
    }
    return result;
}

TEST(GroupStatisticsTest, OneDrawOfOneToFourCountsEveryGroupInside) {
    struct Case {
        const GroupKind* kind;
        std::vector<int> firstNumbers;
    };
    const Case cases[] = {
        {&kPairs, {1, 2, 3}},
        {&kTriples, {1, 2}},
        {&kQuadruples, {1}},
    };
    const std::vector<DrawRecord> draws = {draw(kSunday, {3, 1, 40, 4, 2, 20, 5, 6})};
    for (const Case& c : cases) {
        CurrentDraw current;
        const GroupCount count = countGroups(draws, *c.kind, kSunday, kSundaysOnly, current);
        std::array<int, 46> expected{};
        for (int k : c.firstNumbers)
            expected[static_cast<std::size_t>(k)] = 1;
        EXPECT_EQ(count.counts, expected) << c.kind->noun;
        EXPECT_EQ(count.draws, 1) << c.kind->noun;
        EXPECT_EQ(count.found, static_cast<int>(c.firstNumbers.size())) << c.kind->noun;
    }
}

TEST(GroupStatisticsTest, BonusNumberAndEighthByteCompleteNoGroup) {
    CurrentDraw current;
    const GroupCount count = countGroups({draw(kSunday, {17, 1, 10, 20, 30, 40, 18, 16})}, kPairs,
                                         kSunday, kSundaysOnly, current);
    EXPECT_EQ(count.counts[16], 0);
    EXPECT_EQ(count.counts[17], 0);
    EXPECT_EQ(count.found, 0);
    EXPECT_EQ(count.draws, 1);
}

TEST(GroupStatisticsTest, OnlyDrawsOfTheChosenWeekdaysFromTheStartDateCount) {
    const std::vector<DrawRecord> draws = {
        draw(kSunday, {1, 2, 10, 20, 30, 40, 0, 0}),
        draw(kWednesday, {1, 2, 11, 21, 31, 41, 0, 0}),
        draw(kSunday + 1, {1, 2, 12, 22, 32, 42, 0, 0}),  // a Monday
        draw(kSunday + 7, {1, 2, 13, 23, 33, 43, 0, 0}),
    };
    struct Case {
        WeekdayFilter filter;
        double startDate;
        int counted;
    };
    // A start date of kSunday + 1 leaves the first Sunday out.
    const Case cases[] = {
        {{true, false}, kSunday, 2}, {{true, false}, kSunday + 1, 1}, {{true, true}, kSunday, 3},
        {{false, true}, kSunday, 1}, {{false, false}, kSunday, 0},
    };
    for (const Case& c : cases) {
        CurrentDraw current;
        const GroupCount count = countGroups(draws, kPairs, c.startDate, c.filter, current);
        EXPECT_EQ(count.draws, c.counted) << c.startDate;
        EXPECT_EQ(count.counts[1], c.counted) << c.startDate;
        EXPECT_EQ(count.found, c.counted) << c.startDate;
    }
}

TEST(GroupStatisticsTest, CheckRegisterHoldsTheLastCountedDrawAndItsLastGroupTest) {
    const std::vector<DrawRecord> draws = {
        draw(kSunday, {1, 2, 3, 43, 44, 10, 45, 9}),
        draw(kWednesday, {1, 2, 3, 4, 5, 6, 7, 8}),  // not counted
    };
    struct Case {
        const GroupKind* kind;
        std::uint8_t gewinn;
        std::array<std::uint8_t, 9> treffer;
    };
    const Case cases[] = {
        {&kPairs, 1, {0, 1, 2, 0, 0, 0, 0, 0, 0}},       // 44, 45 (the bonus number)
        {&kTriples, 2, {0, 1, 1, 2, 0, 0, 0, 0, 0}},     // 43, 44, 45
        {&kQuadruples, 2, {0, 1, 1, 2, 0, 0, 0, 0, 0}},  // 43, 44, 45, 46
    };
    for (const Case& c : cases) {
        CurrentDraw current = untouchedDraw();
        countGroups(draws, *c.kind, kSunday, kSundaysOnly, current);
        EXPECT_EQ(current.Zahl, (std::array<std::int32_t, 9>{0, 1, 2, 3, 43, 44, 10, 45, 9}));
        EXPECT_EQ(current.Gewinn, c.gewinn) << c.kind->noun;
        EXPECT_EQ(current.Treffer, c.treffer) << c.kind->noun;
        EXPECT_TRUE(current.Zusatz) << c.kind->noun;
        EXPECT_EQ(current.Datum1, 12345);  // the current draw itself is not changed
        EXPECT_EQ(current.Position, 7);
    }
}

TEST(GroupStatisticsTest, NoCountedDrawLeavesTheCheckRegisterAlone) {
    CurrentDraw current = untouchedDraw();
    const GroupCount count = countGroups({draw(kWednesday, {1, 2, 3, 4, 5, 6, 7, 8})}, kTriples,
                                         kSunday, kSundaysOnly, current);
    EXPECT_EQ(count.draws, 0);
    expectSameDraw(current, untouchedDraw());
}

TEST(GroupStatisticsTest, PublishesOneBarPerFirstNumberWithRangeAndCaption) {
    const std::vector<DrawRecord> draws = {
        draw(kSunday, {1, 2, 3, 4, 20, 21, 0, 0}),
        draw(kSunday + 7, {1, 2, 3, 4, 30, 40, 0, 0}),
        draw(kSunday + 14, {5, 6, 7, 8, 9, 10, 0, 0}),
    };
    struct Case {
        const GroupKind* kind;
        int points;
        bool automatic;
        double maximum;
        const char* caption;
    };
    const Case cases[] = {
        // Pairs 1..3 twice, 20 once, 5..9 once: 6 + 1 + 5.
        {&kPairs, 44, false, 2, "Bei 3 Ziehungen wurden 12 Paare gefunden!"},
        {&kTriples, 43, false, 2, "Bei 3 Ziehungen wurden 8 Dreier gefunden!"},
        {&kQuadruples, 45, true, 2, "Bei 3 Ziehungen wurden 5 Vierer gefunden!"},
    };
    for (const Case& c : cases) {
        CurrentDraw current;
        StatSeries series;
        series.setFixedRange(5, 9);
        publishGroups(countGroups(draws, *c.kind, kSunday, kSundaysOnly, current), series);
        ASSERT_EQ(series.count(), c.points) << c.kind->noun;
        double total = 0;
        for (int i = 0; i < series.count(); ++i) {
            EXPECT_EQ(series.points()[static_cast<std::size_t>(i)].x, i + 1);
            total += series.yValue(i);
        }
        EXPECT_EQ(series.yValue(0), 2) << c.kind->noun;
        EXPECT_EQ(series.automatic(), c.automatic) << c.kind->noun;
        EXPECT_EQ(series.minimum(), 0) << c.kind->noun;
        EXPECT_EQ(series.maximum(), c.maximum) << c.kind->noun;
        EXPECT_EQ(series.caption(), c.caption);
        const std::string found = std::to_string(static_cast<int>(total));
        EXPECT_NE(series.caption().find(" " + found + " "), std::string::npos) << c.caption;
    }
}

TEST(GroupStatisticsTest, QuadrupleBarsFromFortyThreeOnStayEmptyForValidDraws) {
    CurrentDraw current;
    StatSeries series;
    publishGroups(countGroups({draw(kSunday, {40, 41, 42, 43, 44, 45, 0, 0})}, kQuadruples, kSunday,
                              kSundaysOnly, current),
                  series);
    ASSERT_EQ(series.count(), 45);
    EXPECT_EQ(series.yValue(41), 1);  // 42 to 45
    for (int i = 42; i < 45; ++i)
        EXPECT_EQ(series.yValue(i), 0) << "x = " << i + 1;
}

TEST(GroupStatisticsTest, NoCountedDrawPublishesZerosAndAFlatRange) {
    for (const GroupKind* kind : {&kPairs, &kTriples, &kQuadruples}) {
        CurrentDraw current;
        StatSeries series;
        series.setFixedRange(3, 9);
        publishGroups(countGroups({}, *kind, kSunday, kSundaysOnly, current), series);
        ASSERT_EQ(series.count(), kind->pointCount);
        for (const StatPoint& p : series.points())
            EXPECT_EQ(p.y, 0);
        EXPECT_EQ(series.minimum(), 0) << kind->noun;
        EXPECT_EQ(series.maximum(), 0) << kind->noun;
        EXPECT_EQ(series.caption(),
                  std::string("Bei 0 Ziehungen wurden 0 ") + kind->noun + " gefunden!");
    }
}

// Draws that a damaged history may hold, then many mixed ones; the counts by the fast path
// and by text must agree in every bar and in the check register left behind.
std::vector<DrawRecord> awkwardDraws() {
    std::vector<DrawRecord> draws = {
        draw(kSunday, {0, 5, 6, 7, 8, 9, 1, 0}),              // one zero byte
        draw(kSunday + 7, {0, 0, 12, 13, 30, 31, 14, 0}),     // two zero bytes
        draw(kSunday + 14, {17, 17, 18, 2, 3, 3, 17, 0}),     // repeated numbers
        draw(kSunday + 21, {43, 44, 45, 46, 1, 2, 3, 0}),     // 46 completes quadruple 43
        draw(kSunday + 28, {200, 255, 45, 44, 1, 2, 3, 0}),   // bytes far above 45
        draw(kSunday + 35, {10, 11, 12, 20, 21, 22, 13, 0}),  // bonus number inside a group
        draw(kSunday + 42, {0, 0, 0, 0, 0, 0, 0, 0}),         // an empty record
        draw(kSunday + 49, {44, 45, 0, 1, 2, 3, 44, 0}),      // last group with a zero
    };
    std::mt19937 random(1962);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    double date = kSunday + 56;
    for (int i = 0; i < 600; ++i) {
        std::array<std::uint8_t, 8> bytes{};
        for (std::size_t j = 0; j < 8; ++j) {
            const int kind = pick(0, 19);
            int value = pick(1, 45);
            if (kind == 0) value = 0;
            if (kind == 1) value = pick(46, 255);
            if (kind == 2 && j > 0) value = bytes[j - 1];
            if (kind == 3 && j > 0) value = bytes[j - 1] + 1;  // a consecutive neighbour
            bytes[j] = static_cast<std::uint8_t>(value);
        }
        const double weekdayOffset[] = {0, 0, 3, 1};
        draws.push_back(draw(date + weekdayOffset[pick(0, 3)], bytes));
        date += 7;
    }
    return draws;
}

TEST(GroupStatisticsTest, AgreesWithTheGroupTestByText) {
    const std::vector<DrawRecord> draws = awkwardDraws();
    const WeekdayFilter filters[] = {{true, false}, {true, true}, {false, true}};
    for (const GroupKind* kind : {&kPairs, &kTriples, &kQuadruples}) {
        for (const WeekdayFilter& filter : filters) {
            for (double startDate : {kSunday, kSunday + 35, draws.back().Datum + 1}) {
                SCOPED_TRACE(std::string(kind->noun) + " from " + std::to_string(startDate) +
                             (filter.wednesdays ? " with Wednesdays" : ""));
                CurrentDraw fast = untouchedDraw();
                CurrentDraw byText = untouchedDraw();
                const GroupCount actual = countGroups(draws, *kind, startDate, filter, fast);
                const GroupCount expected = countByText(draws, *kind, startDate, filter, byText);
                EXPECT_EQ(actual.counts, expected.counts);
                EXPECT_EQ(actual.draws, expected.draws);
                EXPECT_EQ(actual.found, expected.found);
                expectSameDraw(fast, byText);
            }
        }
    }
}

TEST(GroupStatisticsTest, AgreesWithTheGroupTestByTextOnEachAwkwardDrawAlone) {
    for (const DrawRecord& d : awkwardDraws()) {
        if (d.Datum > kSunday + 49) break;
        for (const GroupKind* kind : {&kPairs, &kTriples, &kQuadruples}) {
            SCOPED_TRACE(std::string(kind->noun) + " on the draw of " + std::to_string(d.Datum));
            CurrentDraw fast = untouchedDraw();
            CurrentDraw byText = untouchedDraw();
            const GroupCount actual = countGroups({d}, *kind, kSunday, kSundaysOnly, fast);
            const GroupCount expected = countByText({d}, *kind, kSunday, kSundaysOnly, byText);
            EXPECT_EQ(actual.counts, expected.counts);
            EXPECT_EQ(actual.found, expected.found);
            expectSameDraw(fast, byText);
        }
    }
}

}  // namespace
}  // namespace varo
