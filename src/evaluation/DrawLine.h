#pragma once

#include <string>

#include "evaluation/CurrentDraw.h"

namespace varo {

// The one-line text of a draw: "So 15.01.23    3  17  22  28  33  41 Z:12". The separator
// after the date is two blanks, three for the first record of a history of several.
std::string drawLine(double date, const CurrentDraw& draw, bool threeBlanks = false);

// "Quersumme: " and the sum of the six numbers.
std::string sumLine(const CurrentDraw& draw);

}  // namespace varo
