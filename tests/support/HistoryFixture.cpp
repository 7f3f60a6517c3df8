#include "support/HistoryFixture.h"

#include <algorithm>
#include <numeric>
#include <random>

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

std::vector<DrawRecord> weeklyDraws(int count, unsigned seed) {
    std::mt19937 generator(seed);
    std::array<std::uint8_t, 45> numbers{};
    std::iota(numbers.begin(), numbers.end(), std::uint8_t{1});
    std::vector<DrawRecord> draws;
    for (int i = 0; i < count; ++i) {
        std::shuffle(numbers.begin(), numbers.end(), generator);
        draws.push_back(draw(22933.0 + 7.0 * i, {numbers[0], numbers[1], numbers[2], numbers[3],
                                                 numbers[4], numbers[5], numbers[6], 0}));
    }
    return draws;
}

std::vector<unsigned char> historyBytes(const std::vector<DrawRecord>& draws) {
    std::vector<unsigned char> bytes(draws.size() * DrawRecord::kSize);
    for (std::size_t i = 0; i < draws.size(); ++i)
        draws[i].toBytes(&bytes[i * DrawRecord::kSize]);
    return bytes;
}

}  // namespace varo::test
