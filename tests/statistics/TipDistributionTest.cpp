#include "statistics/TipDistribution.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

namespace varo {
namespace {

// Tip t holds the numbers 3t-2 .. 3t+3, so that the tips overlap.
void fillTip(TipSheet& tips, int tip) {
    for (int position = 1; position <= kCellsPerTip; ++position)
        tips.setCell(tip, position, std::to_string(3 * tip - 3 + position));
}

TipSheet fullSheet() {
    TipSheet tips;
    for (int tip = 1; tip <= kTipCount; ++tip)
        fillTip(tips, tip);
    return tips;
}

int total(const TipDistribution& d) {
    return std::accumulate(d.counts.begin(), d.counts.end(), 0);
}

TEST(TipDistributionTest, FullSheetCountsEveryCell) {
    TipSheet tips = fullSheet();
    tips.toggleMark(5);  // a marked tip counts like the others
    const TipDistribution d = countTipDistribution(tips);
    EXPECT_EQ(total(d), 72);
    EXPECT_EQ(d.counts[1], 1);
    EXPECT_EQ(d.counts[4], 2);   // tips 1 and 2
    EXPECT_EQ(d.counts[39], 1);  // only tip 12 reaches 39
    EXPECT_EQ(d.counts[40], 0);
}

TEST(TipDistributionTest, FirstCellWithoutANumberEndsTheReading) {
    struct Case {
        int emptyTip;
        int emptyPosition;
        int counted;
    };
    const Case cases[] = {
        {4, 1, 18},  // an empty tip 4: tips 1 to 3 only
        {2, 4, 9},   // tip 1 and the first three cells of tip 2
        {1, 1, 0},
        {12, 6, 71},
    };
    for (const Case& c : cases) {
        TipSheet tips = fullSheet();
        if (c.emptyPosition == 1) {
            for (int position = 1; position <= kCellsPerTip; ++position)
                tips.setCell(c.emptyTip, position, "");
        } else {
            tips.setCell(c.emptyTip, c.emptyPosition, "");
        }
        EXPECT_EQ(total(countTipDistribution(tips)), c.counted)
            << "tip " << c.emptyTip << " position " << c.emptyPosition;
    }
}

TEST(TipDistributionTest, NumbersOutsideOneToFortyFiveAreNotCountedButDoNotStop) {
    TipSheet tips = fullSheet();
    // Past the cell validation, as only a fault could put them there.
    tips.row(1).cells[0] = "0";
    tips.row(1).cells[1] = "46";
    tips.row(1).cells[2] = "-7";
    tips.row(1).cells[3] = "2147483647";
    const TipDistribution d = countTipDistribution(tips);
    EXPECT_EQ(total(d), 68);
    EXPECT_EQ(d.counts[0], 0);
}

TEST(TipDistributionTest, PublishesFortyFiveBarsWithAFixedRange) {
    StatSeries series;
    series.setAutomatic(true);
    publishTipDistribution(countTipDistribution(fullSheet()), series);
    ASSERT_EQ(series.count(), 45);
    for (int i = 0; i < 45; ++i)
        EXPECT_EQ(series.points()[static_cast<std::size_t>(i)].x, i + 1);
    EXPECT_EQ(series.yValue(5), 2);  // 6 in tips 1 and 2
    EXPECT_FALSE(series.automatic());
    EXPECT_EQ(series.minimum(), 0);
    EXPECT_EQ(series.maximum(), 2);
    EXPECT_EQ(series.caption(), "Zahlenverteilung des Tippes");
}

TEST(TipDistributionTest, EmptySheetGivesZerosAndTheRangeZeroToZero) {
    StatSeries series;
    series.setFixedRange(3, 9);
    publishTipDistribution(countTipDistribution(TipSheet{}), series);
    ASSERT_EQ(series.count(), 45);
    for (const StatPoint& p : series.points())
        EXPECT_EQ(p.y, 0);
    EXPECT_EQ(series.minimum(), 0);
    EXPECT_EQ(series.maximum(), 0);
}

}  // namespace
}  // namespace varo
