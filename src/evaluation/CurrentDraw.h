#pragma once

#include <array>
#include <cstdint>

#include "history/DrawRecord.h"

namespace varo {

// The draw the tips are checked against, and the results of the last hit count.
// Zahl is the one check register: whatever loaded it last decides what the next check
// compares against. Index 0 of the 1-based arrays is unused.
struct CurrentDraw {
    std::array<std::int32_t, 9> Zahl{};  // [1..6] numbers, [7] bonus number, [8] eighth byte
    double Datum1 = 0.0;
    std::int32_t Position = 0;  // zero-based record number of the chosen draw

    std::array<std::uint8_t, 9> Treffer{};  // per tip position: 0 none, 1 hit, 2 bonus number
    std::uint8_t Gewinn = 0;
    bool Zusatz = false;

    // Copies the record's eight number bytes into Zahl[1..8].
    void loadNumbers(const DrawRecord& record) {
        for (int i = 1; i <= 8; ++i)
            Zahl[static_cast<std::size_t>(i)] = record.numberByte(i);
    }
};

}  // namespace varo
