#include "statistics/OverdueNumbers.h"

#include <gtest/gtest.h>

#include "support/HistoryFixture.h"

namespace varo {
namespace {

using test::draw;

constexpr double kSunday = 22933.0;
constexpr char kCaption[] =
    "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?";

TEST(OverdueNumbersTest, GapCountsTheDrawsSinceTheNumberLastCame) {
    const std::vector<DrawRecord> draws = {
        draw(kSunday - 7, {40, 41, 42, 43, 44, 45, 39, 38}),  // before the start date
        draw(kSunday, {1, 2, 3, 4, 5, 6, 7, 30}),
        draw(kSunday + 3, {1, 12, 13, 14, 15, 16, 17, 30}),  // a Wednesday counts too
        draw(kSunday + 7, {1, 22, 23, 24, 25, 26, 27, 30}),
    };
    const OverdueNumbers overdue = countOverdueNumbers(draws, kSunday);
    EXPECT_EQ(overdue.draws, 3);
    struct Case {
        int number;
        int gap;
    };
    const Case cases[] = {
        {1, 1},                            // in every draw
        {27, 1},                           // the bonus number of the last draw
        {17, 2},                           // the bonus number of the draw before
        {12, 2}, {2, 3}, {7, 3}, {30, 4},  // only ever the eighth byte: never came
        {40, 4},                           // only before the start date
        {45, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(overdue.gaps[static_cast<std::size_t>(c.number)], c.gap) << c.number;
}

TEST(OverdueNumbersTest, LargestGapIsTheDrawCountPlusOne) {
    std::vector<DrawRecord> draws;
    for (int week = 0; week < 10; ++week)
        draws.push_back(draw(kSunday + 7 * week, {1, 2, 3, 4, 5, 6, 7, 0}));
    const OverdueNumbers overdue = countOverdueNumbers(draws, kSunday);
    StatSeries series;
    publishOverdueNumbers(overdue, series);
    EXPECT_EQ(series.yValue(0), 1);   // number 1
    EXPECT_EQ(series.yValue(7), 11);  // number 8, never drawn
    EXPECT_EQ(series.minimum(), 1);
    EXPECT_EQ(series.maximum(), 11);
}

TEST(OverdueNumbersTest, BytesAboveFortyFiveAreSkipped) {
    const OverdueNumbers overdue =
        countOverdueNumbers({draw(kSunday, {46, 200, 255, 0, 5, 6, 99, 0})}, kSunday);
    EXPECT_EQ(overdue.draws, 1);
    EXPECT_EQ(overdue.gaps[5], 1);
    EXPECT_EQ(overdue.gaps[6], 1);
    EXPECT_EQ(overdue.gaps[0], 1);  // the zero byte has its slot, which is not shown
    EXPECT_EQ(overdue.gaps[45], 2);
}

TEST(OverdueNumbersTest, PublishesFortyFiveBarsWithAFixedRange) {
    const std::vector<DrawRecord> draws = {
        draw(kSunday, {1, 2, 3, 4, 5, 6, 7, 0}),
        draw(kSunday + 7, {8, 9, 10, 11, 12, 13, 14, 0}),
    };
    StatSeries series;
    series.setAutomatic(true);
    publishOverdueNumbers(countOverdueNumbers(draws, kSunday), series);
    ASSERT_EQ(series.count(), 45);
    for (int i = 0; i < 45; ++i) {
        EXPECT_EQ(series.points()[static_cast<std::size_t>(i)].x, i + 1);
        EXPECT_EQ(series.yValue(i), i < 7 ? 2 : i < 14 ? 1 : 3) << "number " << i + 1;
    }
    EXPECT_FALSE(series.automatic());
    EXPECT_EQ(series.minimum(), 1);
    EXPECT_EQ(series.maximum(), 3);
    EXPECT_EQ(series.caption(), kCaption);
}

TEST(OverdueNumbersTest, NoCountedDrawGivesOnesAndTheRangeOneToOne) {
    StatSeries series;
    series.setFixedRange(5, 9);
    const OverdueNumbers overdue =
        countOverdueNumbers({draw(kSunday, {1, 2, 3, 4, 5, 6, 7, 0})}, kSunday + 1);
    EXPECT_EQ(overdue.draws, 0);
    publishOverdueNumbers(overdue, series);
    ASSERT_EQ(series.count(), 45);
    for (const StatPoint& p : series.points())
        EXPECT_EQ(p.y, 1);
    EXPECT_EQ(series.minimum(), 1);
    EXPECT_EQ(series.maximum(), 1);
    EXPECT_EQ(series.caption(), kCaption);
}

}  // namespace
}  // namespace varo
