#include "statistics/NumberFrequency.h"

#include <gtest/gtest.h>

#include "support/HistoryFixture.h"

namespace varo {
namespace {

using test::draw;

constexpr double kSunday = 22933.0;

std::vector<const DrawRecord*> reported;

NumberFrequency count(const std::vector<DrawRecord>& draws, double startDate) {
    reported.clear();
    return countNumberFrequency(draws, startDate,
                                [](const DrawRecord& d) { reported.push_back(&d); });
}

TEST(NumberFrequencyTest, CountsNumbersAndBonusFromTheStartDate) {
    const std::vector<DrawRecord> draws = {
        draw(kSunday - 7, {1, 2, 3, 4, 5, 6, 7, 1}),       // before the start date
        draw(kSunday, {1, 2, 3, 4, 5, 6, 45, 9}),          // bonus 45 counts, eighth byte not
        draw(kSunday + 3, {1, 10, 20, 30, 40, 44, 2, 9}),  // a Wednesday counts too
    };
    const NumberFrequency f = count(draws, kSunday);
    EXPECT_EQ(f.counts[1], 2);
    EXPECT_EQ(f.counts[2], 2);
    EXPECT_EQ(f.counts[45], 1);
    EXPECT_EQ(f.counts[7], 0);
    EXPECT_EQ(f.counts[9], 0);
    EXPECT_EQ(f.draws, 2);
    EXPECT_EQ(f.sumTotal, 21 + 145);
}

TEST(NumberFrequencyTest, ByteSixtyFiveIsReportedAndOutOfRangeBytesAreNotCounted) {
    const std::vector<DrawRecord> draws = {draw(kSunday, {65, 2, 3, 4, 200, 6, 65, 0})};
    const NumberFrequency f = count(draws, kSunday);
    ASSERT_EQ(reported.size(), 2u);  // once per byte
    EXPECT_EQ(reported[0]->Datum, kSunday);
    int counted = 0;
    for (int c : f.counts)
        counted += c;
    EXPECT_EQ(counted, 4);  // 2, 3, 4 and 6
    EXPECT_EQ(f.draws, 1);
}

TEST(NumberFrequencyTest, PublishesBarsRangeAndCaption) {
    const std::vector<DrawRecord> draws = {
        draw(kSunday, {1, 2, 3, 4, 5, 6, 7, 0}),
        draw(kSunday + 7, {1, 2, 3, 4, 5, 40, 8, 0}),
    };
    StatSeries series;
    publishNumberFrequency(count(draws, kSunday), series);
    ASSERT_EQ(series.count(), 45);
    EXPECT_EQ(series.points()[0].x, 1);
    EXPECT_EQ(series.points()[0].y, 2);
    EXPECT_EQ(series.points()[44].x, 45);
    EXPECT_EQ(series.yValue(39), 1);  // number 40
    EXPECT_FALSE(series.automatic());
    EXPECT_EQ(series.minimum(), 0);
    EXPECT_EQ(series.maximum(), 2);
    // Sums 21 and 55: average 38.
    EXPECT_EQ(series.caption(), "Zahlenverteilung     Ziehungen: 2    Quersumme: 38");
}

TEST(NumberFrequencyTest, CaptionRoundsTheAverageHalfToEven) {
    const std::vector<DrawRecord> sums137and138 = {
        draw(kSunday, {20, 21, 22, 23, 25, 26, 0, 0}),
        draw(kSunday + 7, {20, 21, 22, 23, 25, 27, 0, 0}),
    };
    const std::vector<DrawRecord> sums136and137 = {
        draw(kSunday, {20, 21, 22, 23, 25, 25, 0, 0}),
        draw(kSunday + 7, {20, 21, 22, 23, 25, 26, 0, 0}),
    };
    const std::pair<std::vector<DrawRecord>, const char*> cases[] = {
        {sums137and138, "Quersumme: 138"},  // 137.5
        {sums136and137, "Quersumme: 136"},  // 136.5
    };
    for (const auto& [draws, expected] : cases) {
        StatSeries series;
        publishNumberFrequency(count(draws, kSunday), series);
        EXPECT_NE(series.caption().find(expected), std::string::npos) << series.caption();
    }
}

TEST(NumberFrequencyTest, NoCountedDrawGivesZerosAndAFlatRange) {
    StatSeries series;
    series.setFixedRange(3, 9);
    publishNumberFrequency(count({draw(kSunday, {1, 2, 3, 4, 5, 6, 7, 0})}, kSunday + 1), series);
    ASSERT_EQ(series.count(), 45);
    for (const StatPoint& p : series.points())
        EXPECT_EQ(p.y, 0);
    EXPECT_EQ(series.minimum(), 0);
    EXPECT_EQ(series.maximum(), 0);
    EXPECT_EQ(series.caption(), "Zahlenverteilung     Ziehungen: 0    Quersumme: 0");
}

}  // namespace
}  // namespace varo
