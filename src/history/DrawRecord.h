#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace varo {

// One draw as stored in the history file: 16 bytes, little-endian, no padding.
//   0..7   Datum       IEEE-754 double, day serial (whole days when written)
//   8..13  Zahlen      the six drawn numbers, one byte each
//   14     Zusatzzahl  the bonus number
//   15     Superzahl   the eighth byte, carried over from the last record by every writer
struct DrawRecord {
    static constexpr std::size_t kSize = 16;

    double Datum = 0.0;
    std::array<std::uint8_t, 6> Zahlen{};
    std::uint8_t Zusatzzahl = 0;
    std::uint8_t Superzahl = 0;

    // Byte i of the number block, i = 1..8 as in Zahl[1..8]: 1..6 the numbers,
    // 7 the bonus number, 8 the eighth byte.
    std::uint8_t numberByte(int i) const {
        if (i >= 1 && i <= 6) return Zahlen[static_cast<std::size_t>(i - 1)];
        if (i == 7) return Zusatzzahl;
        if (i == 8) return Superzahl;
        return 0;
    }

    static DrawRecord fromBytes(const unsigned char* bytes);
    void toBytes(unsigned char* bytes) const;

    friend bool operator==(const DrawRecord&, const DrawRecord&) = default;
};

}  // namespace varo
