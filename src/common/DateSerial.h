#pragma once

#include <cstdint>
#include <string>

// Dates are day serials: days since 30.12.1899 as a double, the fraction being the
// time of day. Draws carry whole days.
namespace varo {

struct CivilDate {
    int year;
    int month;  // 1..12
    int day;    // 1..31
};

// Day serial of a calendar date (proleptic Gregorian calendar).
double dateFromCivil(int year, int month, int day);

// Calendar date of the whole day that a serial falls on.
CivilDate civilFromDate(double date);

// 1 = Sunday .. 7 = Saturday.
int dayOfWeek(double date);

// Nearest integer, halves to the even neighbour (137.5 -> 138, 136.5 -> 136).
std::int64_t roundHalfEven(double value);

// "dd.mm.yyyy", the German short date.
std::string formatShortDate(double date);

// "dd.mm.yy".
std::string formatShortDate2(double date);

// German weekday names and their two-letter abbreviations, index 1 = Sunday.
const char* weekdayName(int dayOfWeek);
const char* weekdayAbbreviation(int dayOfWeek);

}  // namespace varo
