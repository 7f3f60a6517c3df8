#include "common/DateSerial.h"

#include <gtest/gtest.h>

namespace varo {
namespace {

struct DateCase {
    double serial;
    int year, month, day;
    int weekday;
    const char* text;
};

TEST(DateSerialTest, SerialsCalendarDatesAndWeekdaysAgree) {
    const DateCase cases[] = {
        {0, 1899, 12, 30, 7, "30.12.1899"},      // the epoch was a Saturday
        {1, 1899, 12, 31, 1, "31.12.1899"},      //
        {22933, 1962, 10, 14, 1, "14.10.1962"},  // first draw, a Sunday
        {22926, 1962, 10, 7, 1, "07.10.1962"},   //
        {36951, 2001, 3, 1, 5, "01.03.2001"},    // after a non-leap February
        {45351, 2024, 2, 29, 5, "29.02.2024"},   // leap day
        {-1, 1899, 12, 29, 6, "29.12.1899"},     // before the epoch
    };
    for (const DateCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(dateFromCivil(c.year, c.month, c.day), c.serial);
        const CivilDate civil = civilFromDate(c.serial);
        EXPECT_EQ(civil.year, c.year);
        EXPECT_EQ(civil.month, c.month);
        EXPECT_EQ(civil.day, c.day);
        EXPECT_EQ(dayOfWeek(c.serial), c.weekday);
        EXPECT_EQ(formatShortDate(c.serial), c.text);
    }
}

TEST(DateSerialTest, TimeOfDayBelongsToItsDay) {
    EXPECT_EQ(formatShortDate(22933.75), "14.10.1962");
    EXPECT_EQ(dayOfWeek(22933.75), 1);
    EXPECT_EQ(formatShortDate2(22933.0), "14.10.62");
}

TEST(DateSerialTest, RoundsHalvesToEven) {
    const std::pair<double, std::int64_t> cases[] = {
        {137.5, 138}, {136.5, 136}, {0.5, 0},    {1.5, 2},
        {-0.5, 0},    {-1.5, -2},   {2.4999, 2}, {2.5001, 3},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(roundHalfEven(value), expected) << value;
}

TEST(DateSerialTest, GermanWeekdayNames) {
    EXPECT_STREQ(weekdayName(1), "Sonntag");
    EXPECT_STREQ(weekdayAbbreviation(4), "Mi");
    EXPECT_STREQ(weekdayName(0), "");
    EXPECT_STREQ(weekdayAbbreviation(8), "");
}

}  // namespace
}  // namespace varo
