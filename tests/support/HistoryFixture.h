#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "history/DrawRecord.h"

namespace varo::test {

// A draw from its date and the eight number bytes (six numbers, bonus, eighth byte).
DrawRecord draw(double date, std::array<std::uint8_t, 8> bytes);

// Weekly Sunday draws from 14.10.1962 on: six different numbers and a different bonus
// number from a fixed generator, so every test sees the same history.
std::vector<DrawRecord> weeklyDraws(int count, unsigned seed = 1);

// The bytes of a history file holding these draws.
std::vector<unsigned char> historyBytes(const std::vector<DrawRecord>& draws);

}  // namespace varo::test
