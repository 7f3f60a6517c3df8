#include "statistics/StatSeries.h"

#include <gtest/gtest.h>

namespace varo {
namespace {

TEST(StatSeriesTest, AxisRefusesCrossedBounds) {
    StatSeries series;
    EXPECT_TRUE(series.setMaximum(10));
    EXPECT_TRUE(series.setMinimum(5));
    EXPECT_FALSE(series.setMinimum(11));  // above the maximum
    EXPECT_FALSE(series.setMaximum(4));   // below the minimum
    series.setAutomatic(false);
    EXPECT_EQ(series.minimum(), 5);
    EXPECT_EQ(series.maximum(), 10);
}

TEST(StatSeriesTest, FixedRangeIsReachedFromAnyPreviousRange) {
    struct Case {
        double previousLow, previousHigh, low, high;
    };
    const Case cases[] = {
        {0, 0, 3, 7},      // fresh axis
        {40, 90, 3, 7},    // new range entirely below the old one
        {3, 7, 40, 90},    // entirely above
        {10, 20, 12, 12},  // a flat range
        {200, 300, 0, 0},  // nothing counted
    };
    for (const Case& c : cases) {
        StatSeries series;
        series.setFixedRange(c.previousLow, c.previousHigh);
        series.setFixedRange(c.low, c.high);
        EXPECT_FALSE(series.automatic());
        EXPECT_EQ(series.minimum(), c.low);
        EXPECT_EQ(series.maximum(), c.high);
    }
}

TEST(StatSeriesTest, AutomaticRangeReadsBackZeroToLargestValue) {
    StatSeries series;
    series.setFixedRange(5, 9);
    series.addPoint(1, 4);
    series.addPoint(2, 11);
    series.addPoint(3, 2);
    series.setAutomatic(true);
    EXPECT_EQ(series.minimum(), 0);
    EXPECT_EQ(series.maximum(), 11);
    series.clear();
    EXPECT_EQ(series.maximum(), 0);
}

TEST(StatSeriesTest, ValuesByIndexStayInsideTheSeries) {
    StatSeries series;
    series.addPoint(1, 7);
    series.addPoint(2, 8);
    EXPECT_EQ(series.count(), 2);
    EXPECT_EQ(series.yValue(1), 8);
    EXPECT_EQ(series.yValue(2), 0);
    EXPECT_EQ(series.yValue(-1), 0);
}

}  // namespace
}  // namespace varo
