#include "statistics/SumDistribution.h"

#include <gtest/gtest.h>

#include "support/HistoryFixture.h"

namespace varo {
namespace {

using test::draw;

constexpr double kSunday = 22933.0;
constexpr WeekdayFilter kSundaysOnly{true, false};

StatSeries published(const std::vector<DrawRecord>& draws, double startDate = kSunday) {
    StatSeries series;
    series.setFixedRange(3, 9);
    publishSumDistribution(countSumDistribution(draws, startDate, kSundaysOnly), series);
    return series;
}

TEST(SumDistributionTest, BarsRunFromTheSmallestToTheLargestSumWithEmptySumsBetween) {
    const StatSeries series = published({
        draw(kSunday, {10, 11, 12, 13, 14, 40, 45, 45}),    // 100; bonus and eighth byte left out
        draw(kSunday + 7, {10, 11, 12, 13, 17, 40, 1, 0}),  // 103
    });
    ASSERT_EQ(series.count(), 4);
    const double ys[] = {1, 0, 0, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(series.points()[static_cast<std::size_t>(i)].x, 100 + i);
        EXPECT_EQ(series.yValue(i), ys[i]);
    }
    EXPECT_TRUE(series.automatic());
    EXPECT_EQ(series.maximum(), 1);
    // 101.5 goes to the even neighbour.
    EXPECT_EQ(series.caption(), "Quersummenverteilung     Ziehungen: 2    Quersumme: 102");
}

TEST(SumDistributionTest, SingleDrawGivesOneBar) {
    const StatSeries series = published({draw(kSunday, {1, 2, 3, 4, 5, 6, 7, 0})});
    ASSERT_EQ(series.count(), 1);
    EXPECT_EQ(series.points()[0].x, 21);
    EXPECT_EQ(series.points()[0].y, 1);
    EXPECT_EQ(series.caption(), "Quersummenverteilung     Ziehungen: 1    Quersumme: 21");
}

TEST(SumDistributionTest, OnlySundayDrawsFromTheStartDateCount) {
    const std::vector<DrawRecord> draws = {
        draw(kSunday - 7, {40, 41, 42, 43, 44, 45, 0, 0}),  // before the start date
        draw(kSunday, {1, 2, 3, 4, 5, 6, 0, 0}),
        draw(kSunday + 3, {7, 8, 9, 10, 11, 12, 0, 0}),  // Wednesday
        draw(kSunday + 7, {1, 2, 3, 4, 5, 7, 0, 0}),
    };
    const SumDistribution d = countSumDistribution(draws, kSunday, kSundaysOnly);
    EXPECT_EQ(d.draws, 2);
    EXPECT_EQ(d.smallest, 21);
    EXPECT_EQ(d.largest, 22);
    EXPECT_EQ(d.sumTotal, 43);

    const SumDistribution withWednesdays = countSumDistribution(draws, kSunday, {true, true});
    EXPECT_EQ(withWednesdays.draws, 3);
    EXPECT_EQ(withWednesdays.largest, 57);
}

TEST(SumDistributionTest, SumsBeyondTheTableAreNotCounted) {
    struct Case {
        std::array<std::uint8_t, 8> bytes;
        int draws;  // besides the draw with the sum 21
        int largest;
    };
    const Case cases[] = {
        {{255, 24, 0, 0, 0, 0, 0, 0}, 1, 279},  // the last slot of the table
        {{255, 25, 0, 0, 0, 0, 0, 0}, 0, 21},   // one beyond it
        {{255, 255, 255, 255, 255, 255, 0, 0}, 0, 21},
    };
    for (const Case& c : cases) {
        const std::vector<DrawRecord> draws = {draw(kSunday, {1, 2, 3, 4, 5, 6, 0, 0}),
                                               draw(kSunday + 7, c.bytes)};
        const SumDistribution d = countSumDistribution(draws, kSunday, kSundaysOnly);
        EXPECT_EQ(d.draws, 1 + c.draws) << c.largest;
        EXPECT_EQ(d.largest, c.largest);
        EXPECT_EQ(d.smallest, 21);
        StatSeries series;
        publishSumDistribution(d, series);
        EXPECT_EQ(series.count(), c.largest - 21 + 1);
    }
}

TEST(SumDistributionTest, NoCountedDrawGivesNoBarAndZerosInTheCaption) {
    const StatSeries series = published({draw(kSunday + 3, {1, 2, 3, 4, 5, 6, 7, 0})});
    EXPECT_EQ(series.count(), 0);
    EXPECT_TRUE(series.automatic());
    EXPECT_EQ(series.minimum(), 0);
    EXPECT_EQ(series.maximum(), 0);
    EXPECT_EQ(series.caption(), "Quersummenverteilung     Ziehungen: 0    Quersumme: 0");
}

}  // namespace
}  // namespace varo
