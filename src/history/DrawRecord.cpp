#include "history/DrawRecord.h"

#include <bit>

namespace varo {

// The layout is fixed little-endian whatever the host, so the date goes through its bit
// pattern byte by byte.
DrawRecord DrawRecord::fromBytes(const unsigned char* bytes) {
    // Spelled out so the compiler sees a plain 8-byte load on little-endian hosts.
    const std::uint64_t bits = std::uint64_t{bytes[0]} | std::uint64_t{bytes[1]} << 8 |
                               std::uint64_t{bytes[2]} << 16 | std::uint64_t{bytes[3]} << 24 |
                               std::uint64_t{bytes[4]} << 32 | std::uint64_t{bytes[5]} << 40 |
                               std::uint64_t{bytes[6]} << 48 | std::uint64_t{bytes[7]} << 56;

    DrawRecord record;
    record.Datum = std::bit_cast<double>(bits);
    for (std::size_t i = 0; i < record.Zahlen.size(); ++i)
        record.Zahlen[i] = bytes[8 + i];
    record.Zusatzzahl = bytes[14];
    record.Superzahl = bytes[15];
    return record;
}

void DrawRecord::toBytes(unsigned char* bytes) const {
    auto bits = std::bit_cast<std::uint64_t>(Datum);
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<unsigned char>(bits & 0xFF);
        bits >>= 8;
    }
    for (std::size_t i = 0; i < Zahlen.size(); ++i)
        bytes[8 + i] = Zahlen[i];
    bytes[14] = Zusatzzahl;
    bytes[15] = Superzahl;
}

}  // namespace varo
