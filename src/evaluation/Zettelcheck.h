#pragma once

#include <array>
#include <string_view>

#include "evaluation/CurrentDraw.h"

namespace varo {

using TipTexts = std::array<std::string_view, 6>;

// Counts the hits of six number texts against draw.Zahl: Gewinn is the number of pairs of
// a tip position and a draw position 1..6 holding the same number (a number given twice
// counts twice), Treffer marks each position (1 hit, 2 the bonus number) and Zusatz tells
// whether the bonus number was met. The first text that is no number ends the count
// silently, keeping what was counted until then.
void Zettelcheck(CurrentDraw& draw, const TipTexts& texts);

}  // namespace varo
