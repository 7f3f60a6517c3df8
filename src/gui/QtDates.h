#pragma once

#include <QDate>

#include <cmath>

namespace varo {

// Day serials (days since 30.12.1899) and QDate.
inline constexpr qint64 kSerialZeroJulianDay = 2415019;  // 30.12.1899

inline QDate dateFromSerial(double serial) {
    return QDate::fromJulianDay(static_cast<qint64>(std::floor(serial)) + kSerialZeroJulianDay);
}

inline double serialFromDate(const QDate& date) {
    return static_cast<double>(date.toJulianDay() - kSerialZeroJulianDay);
}

}  // namespace varo
