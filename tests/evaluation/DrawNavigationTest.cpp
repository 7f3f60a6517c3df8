#include "evaluation/DrawNavigation.h"

#include <gtest/gtest.h>

#include "common/DateSerial.h"
#include "support/HistoryFixture.h"

namespace varo {
namespace {

constexpr double kSunday = 22933.0;

std::vector<DrawRecord> drawsOn(std::initializer_list<double> dates) {
    std::vector<DrawRecord> records;
    for (double d : dates)
        records.push_back(test::draw(d, {1, 2, 3, 4, 5, 6, 7, 0}));
    return records;
}

bool wednesday(double date) {
    return dayOfWeek(date) == 4;
}

TEST(DrawNavigationTest, SelectByDateTakesTheFirstDrawOnOrAfterTheDay) {
    const auto records = drawsOn({kSunday, kSunday + 7, kSunday + 14});
    const std::pair<double, std::size_t> cases[] = {
        {kSunday - 100, 0},  // before all draws
        {kSunday, 0},        // on a draw
        {kSunday + 8, 2},    // between two: the later
        {kSunday + 7, 1},    //
        {kSunday + 999, 2},  // after all: the last
    };
    for (const auto& [day, index] : cases)
        EXPECT_EQ(drawOnOrAfter(records, day), index) << day;
    EXPECT_EQ(drawOnOrAfter({}, kSunday), std::nullopt);
    // File order decides, not date order.
    EXPECT_EQ(drawOnOrAfter(drawsOn({kSunday + 14, kSunday}), kSunday), 0u);
}

TEST(DrawNavigationTest, StepsStayOnTheFirstAndLastRecord) {
    const auto records = drawsOn({kSunday, kSunday + 7, kSunday + 14});
    EXPECT_EQ(stepBack(records, 0, wednesday)->index, 0u);
    EXPECT_EQ(stepBack(records, 0, wednesday)->position, 0);
    EXPECT_EQ(stepForward(records, 2, wednesday)->index, 2u);
    EXPECT_EQ(stepForward(records, 2, wednesday)->position, 2);
    EXPECT_EQ(stepForward(records, 0, wednesday)->index, 1u);
    EXPECT_EQ(stepBack(records, 2, wednesday)->index, 1u);
}

TEST(DrawNavigationTest, StepsPassOverAWednesdayDraw) {
    const auto records = drawsOn({kSunday, kSunday + 3, kSunday + 7});
    EXPECT_EQ(stepForward(records, 0, wednesday)->index, 2u);
    EXPECT_EQ(stepBack(records, 2, wednesday)->index, 0u);
}

TEST(DrawNavigationTest, AWednesdayAtTheEndIsPassedBackwards) {
    const auto records = drawsOn({kSunday - 7, kSunday, kSunday + 3});
    const auto step = stepForward(records, 1, wednesday);
    EXPECT_EQ(step->index, 1u);
    EXPECT_EQ(step->position, 1);
}

TEST(DrawNavigationTest, APositionBeyondTheEndStepsBackFromTheLastRecord) {
    const auto records = drawsOn({kSunday, kSunday + 7});
    const auto step = stepBack(records, 9, wednesday);
    EXPECT_EQ(step->index, 1u);
    EXPECT_EQ(step->position, 8);
}

TEST(DrawNavigationTest, StepsThatWouldGoRoundForEverEnd) {
    // Only Wednesday draws, a Wednesday first record, the last two on Wednesdays.
    const auto allWednesdays = drawsOn({kSunday + 3, kSunday + 10, kSunday + 17});
    EXPECT_EQ(stepBack(allWednesdays, 2, wednesday)->index, 0u);
    // Forward: passed backwards from the last record, the step stops on the draw it reaches
    // a second time.
    EXPECT_EQ(stepForward(allWednesdays, 0, wednesday)->index, 1u);
    EXPECT_EQ(stepBack(drawsOn({kSunday + 3, kSunday + 7}), 1, wednesday)->index, 0u);
    const auto step = stepForward(drawsOn({kSunday, kSunday + 3, kSunday + 10}), 0, wednesday);
    EXPECT_EQ(step->index, 1u);
    EXPECT_EQ(stepForward(drawsOn({kSunday + 3}), 0, wednesday)->index, 0u);
    EXPECT_EQ(stepBack(drawsOn({kSunday + 3}), 0, wednesday)->index, 0u);
}

TEST(DrawNavigationTest, AnEmptyHistoryHasNoDrawToStepTo) {
    EXPECT_EQ(stepBack({}, 0, wednesday), std::nullopt);
    EXPECT_EQ(stepForward({}, 0, wednesday), std::nullopt);
}

}  // namespace
}  // namespace varo
