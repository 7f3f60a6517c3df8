#include "history/DrawRecord.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace varo {
namespace {

using Bytes = std::array<unsigned char, DrawRecord::kSize>;

DrawRecord sunday14October1962() {
    DrawRecord r;
    r.Datum = 22933.0;  // 14.10.1962
    r.Zahlen = {3, 11, 19, 27, 35, 43};
    r.Zusatzzahl = 45;
    r.Superzahl = 7;
    return r;
}

// The date as a little-endian double, then the six numbers, the bonus number, the eighth byte.
constexpr Bytes kSunday14October1962 = {0x00, 0x00, 0x00, 0x00, 0x40, 0x65, 0xD6, 0x40,
                                        3,    11,   19,   27,   35,   43,   45,   7};

TEST(DrawRecordTest, WritesTheFixedLittleEndianLayout) {
    Bytes bytes{};
    sunday14October1962().toBytes(bytes.data());
    EXPECT_EQ(bytes, kSunday14October1962);
}

TEST(DrawRecordTest, ReadsTheFixedLittleEndianLayout) {
    EXPECT_EQ(DrawRecord::fromBytes(kSunday14October1962.data()), sunday14October1962());
}

TEST(DrawRecordTest, DateBitsSurviveTheRoundTrip) {
    struct Case {
        double date;
        Bytes dateBytes;  // only the first eight matter
    };
    const Case cases[] = {
        {0.0, {0, 0, 0, 0, 0, 0, 0x00, 0x00}},
        {-1.25, {0, 0, 0, 0, 0, 0, 0xF4, 0xBF}},
        {45000.75, {0, 0, 0, 0, 0x18, 0xF9, 0xE5, 0x40}},
    };
    for (const Case& c : cases) {
        DrawRecord r;
        r.Datum = c.date;
        r.Zahlen = {255, 0, 1, 2, 3, 4};
        r.Zusatzzahl = 128;
        r.Superzahl = 255;
        Bytes bytes{};
        r.toBytes(bytes.data());
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(bytes[i], c.dateBytes[i]) << c.date << " byte " << i;
        EXPECT_EQ(DrawRecord::fromBytes(bytes.data()), r) << c.date;
    }
}

TEST(DrawRecordTest, NaNDateKeepsItsBitPattern) {
    const Bytes bytes = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF8, 0x7F, 1, 2, 3, 4, 5, 6, 7, 8};
    const DrawRecord r = DrawRecord::fromBytes(bytes.data());
    EXPECT_TRUE(std::isnan(r.Datum));
    Bytes back{};
    r.toBytes(back.data());
    EXPECT_EQ(back, bytes);
}

TEST(DrawRecordTest, NumberByteCoversTheEightBytesAndNothingElse) {
    const DrawRecord r = sunday14October1962();
    const struct {
        int index;
        int expected;
    } cases[] = {{1, 3},  {2, 11}, {3, 19}, {4, 27}, {5, 35}, {6, 43},
                 {7, 45}, {8, 7},  {0, 0},  {9, 0},  {-1, 0}, {1000, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(r.numberByte(c.index), c.expected) << c.index;
}

}  // namespace
}  // namespace varo
