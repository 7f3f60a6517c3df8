#include "common/DateSerial.h"

#include <cmath>
#include <cstdio>

namespace varo {
namespace {

// Days from 01.01.1970 of a civil date, after Howard Hinnant's algorithm.
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

// 30.12.1899 counted from 01.01.1970.
constexpr std::int64_t kSerialEpoch = -25569;

}  // namespace

double dateFromCivil(int year, int month, int day) {
    return static_cast<double>(
        daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
        kSerialEpoch);
}

CivilDate civilFromDate(double date) {
    std::int64_t z = static_cast<std::int64_t>(std::floor(date)) + kSerialEpoch + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

int dayOfWeek(double date) {
    // Serial 0 was a Saturday.
    const auto day = static_cast<std::int64_t>(std::floor(date));
    return static_cast<int>(((day % 7) + 7 + 6) % 7) + 1;
}

std::int64_t roundHalfEven(double value) {
    return static_cast<std::int64_t>(std::nearbyint(value));
}

std::string formatShortDate(double date) {
    const CivilDate c = civilFromDate(date);
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", c.day, c.month, c.year);
    return text;
}

std::string formatShortDate2(double date) {
    const CivilDate c = civilFromDate(date);
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%02d", c.day, c.month,
                  ((c.year % 100) + 100) % 100);
    return text;
}

const char* weekdayName(int dow) {
    static const char* const names[] = {"",         "Sonntag",    "Montag",  "Dienstag",
                                        "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
    return dow >= 1 && dow <= 7 ? names[dow] : "";
}

const char* weekdayAbbreviation(int dow) {
    static const char* const names[] = {"", "So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    return dow >= 1 && dow <= 7 ? names[dow] : "";
}

}  // namespace varo
