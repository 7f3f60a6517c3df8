#pragma once

#include <functional>

#include "evaluation/CurrentDraw.h"
#include "tipsheet/TipSheet.h"

namespace varo {

// Checks all twelve tips against draw.Zahl: a complete row is sorted, gets its sum and hit
// count, its hits coloured (lime, yellow for the bonus number) and, from three hits on,
// a red hit count and the win sound (onWin). A row with a cell that is no number is reset.
// Returns the best hit count of the complete rows.
int Komplettcheck(TipSheet& tips, CurrentDraw& draw, const std::function<void()>& onWin);

}  // namespace varo
