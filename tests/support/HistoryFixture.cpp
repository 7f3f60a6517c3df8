#include "support/HistoryFixture.h"

namespace varo::test {

DrawRecord draw(double date, std::array<std::uint8_t, 8> bytes) {
    DrawRecord record;
    record.Datum = date;
    for (std::size_t i = 0; i < 6; ++i)
        record.Zahlen[i] = bytes[i];
    record.Zusatzzahl = bytes[6];
    record.Superzahl = bytes[7];
    return record;
}

std::vector<unsigned char> historyBytes(const std::vector<DrawRecord>& draws) {
    std::vector<unsigned char> bytes(draws.size() * DrawRecord::kSize);
    for (std::size_t i = 0; i < draws.size(); ++i)
        draws[i].toBytes(&bytes[i * DrawRecord::kSize]);
    return bytes;
}

}  // namespace varo::test
