#include "evaluation/DrawLine.h"

#include "common/DateSerial.h"

namespace varo {

std::string drawLine(double date, const CurrentDraw& draw, bool threeBlanks) {
    std::string line = std::string(weekdayAbbreviation(dayOfWeek(date))) + " " +
                       formatShortDate2(date) + (threeBlanks ? "   " : "  ");
    for (std::size_t i = 1; i <= 6; ++i)
        line += "  " + std::to_string(draw.Zahl[i]);
    line += " Z:" + std::to_string(draw.Zahl[7]);
    return line;
}

std::string sumLine(const CurrentDraw& draw) {
    std::int64_t sum = 0;
    for (std::size_t i = 1; i <= 6; ++i)
        sum += draw.Zahl[i];
    return "Quersumme: " + std::to_string(sum);
}

}  // namespace varo
