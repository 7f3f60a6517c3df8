#include "evaluation/DrawLine.h"

#include <gtest/gtest.h>

#include "common/DateSerial.h"

namespace varo {
namespace {

TEST(DrawLineTest, DateNumbersAndBonusWithTheirBlanks) {
    CurrentDraw draw;
    const std::int32_t numbers[] = {0, 3, 17, 22, 28, 33, 41, 12, 5};
    for (std::size_t i = 0; i < 9; ++i)
        draw.Zahl[i] = numbers[i];
    const double sunday = dateFromCivil(2023, 1, 15);
    EXPECT_EQ(drawLine(sunday, draw), "So 15.01.23    3  17  22  28  33  41 Z:12");
    EXPECT_EQ(drawLine(sunday, draw, true), "So 15.01.23     3  17  22  28  33  41 Z:12");
    EXPECT_EQ(drawLine(sunday + 3, draw).substr(0, 3), "Mi ");
    EXPECT_EQ(sumLine(draw), "Quersumme: 144");
}

}  // namespace
}  // namespace varo
