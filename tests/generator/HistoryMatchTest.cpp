#include "generator/HistoryMatch.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "evaluation/Zettelcheck.h"
#include "support/HistoryFixture.h"

namespace varo {
namespace {

using test::draw;

constexpr double kStart = 22933.0;

TEST(HistoryMatchTest, MatchesCountTheSixNumbersFromTheStartDateOn) {
    const std::vector<DrawRecord> draws = {
        draw(kStart - 1, {1, 2, 3, 4, 5, 6, 7, 0}),  // the day before: not compared
        draw(kStart, {1, 2, 3, 4, 40, 41, 5, 0}),    // four and the bonus number
        draw(kStart + 7, {10, 11, 12, 13, 14, 15, 16, 0}),
    };
    const HistoryMatch match(draws);
    CurrentDraw current;
    struct Case {
        TipNumbers tip;
        int atLeast;
        bool noMatch;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 5, 6}, 5, true},  // 4 + bonus counts as 4
        {{1, 2, 3, 4, 5, 6}, 4, false},
        {{1, 2, 3, 4, 40, 45}, 5, false},  // five on the start date itself
        {{1, 2, 3, 4, 40, 45}, 6, true},
        {{10, 11, 12, 13, 14, 15}, 6, false},
        {{20, 21, 22, 23, 24, 25}, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.tip[0]) + " N=" + std::to_string(c.atLeast));
        EXPECT_EQ(match.noMatch(c.tip, kStart, c.atLeast, current), c.noMatch);
    }
}

TEST(HistoryMatchTest, LeavesTheLastComparedDrawInTheRegister) {
    const std::vector<DrawRecord> draws = {
        draw(kStart, {1, 2, 3, 4, 5, 6, 7, 8}),
        draw(kStart + 7, {1, 2, 3, 4, 5, 9, 10, 3}),
        draw(kStart + 14, {20, 21, 22, 23, 24, 25, 26, 0}),
    };
    const HistoryMatch match(draws);
    CurrentDraw current;
    // Stops at the first match: the second draw.
    EXPECT_FALSE(match.noMatch({1, 2, 3, 4, 5, 10}, kStart + 1, 5, current));
    EXPECT_EQ(current.Datum1, kStart + 7);
    EXPECT_EQ(current.Zahl[6], 9);
    EXPECT_EQ(current.Zahl[8], 3);
    EXPECT_EQ(current.Gewinn, 5);
    EXPECT_TRUE(current.Zusatz);
    EXPECT_EQ(current.Treffer[6], 2);
    // No match: the last draw of the period.
    EXPECT_TRUE(match.noMatch({30, 31, 32, 33, 34, 35}, kStart, 5, current));
    EXPECT_EQ(current.Datum1, kStart + 14);
    EXPECT_EQ(current.Gewinn, 0);
    // No draw in the period: the register stays as it was.
    current.Gewinn = 42;
    EXPECT_TRUE(match.noMatch({30, 31, 32, 33, 34, 35}, kStart + 99, 5, current));
    EXPECT_EQ(current.Gewinn, 42);
    EXPECT_EQ(current.Datum1, kStart + 14);
}

// The reference: the text-based hit count over every draw of the period.
bool referenceNoMatch(const std::vector<DrawRecord>& draws, const TipNumbers& tip, double start,
                      int atLeast, CurrentDraw& current) {
    const std::array<std::string, 6> texts = {std::to_string(tip[0]), std::to_string(tip[1]),
                                              std::to_string(tip[2]), std::to_string(tip[3]),
                                              std::to_string(tip[4]), std::to_string(tip[5])};
    for (const DrawRecord& d : draws) {
        if (d.Datum < start) continue;
        current.Datum1 = d.Datum;
        current.loadNumbers(d);
        Zettelcheck(current, {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]});
        if (current.Gewinn >= atLeast) return false;
    }
    return true;
}

TEST(HistoryMatchTest, AgreesWithTheTextBasedCountOnDamagedDraws) {
    std::mt19937 generator(12345);
    std::uniform_int_distribution<int> number(1, 45);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::vector<DrawRecord> draws;
    for (int i = 0; i < 400; ++i) {
        std::array<std::uint8_t, 8> bytes{};
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(number(generator));
        if (i % 7 == 0) bytes[2] = 0;         // a zero
        if (i % 5 == 0) bytes[4] = bytes[1];  // a number twice
        if (i % 11 == 0) bytes[3] = static_cast<std::uint8_t>(anyByte(generator));  // damage
        draws.push_back(draw(kStart + 7.0 * i, bytes));
    }
    const HistoryMatch match(draws);
    const std::vector<TipNumbers> tips = {
        {1, 2, 3, 4, 5, 6},
        {7, 13, 21, 30, 38, 45},
        {3, 3, 9, 10, 11, 12},
        {0, 5, 6, 7, 8, 9},
    };
    for (const TipNumbers& tip : tips) {
        for (int atLeast = 2; atLeast <= 6; ++atLeast) {
            CurrentDraw fast;
            CurrentDraw reference;
            EXPECT_EQ(match.noMatch(tip, kStart + 70, atLeast, fast),
                      referenceNoMatch(draws, tip, kStart + 70, atLeast, reference));
            EXPECT_EQ(fast.Zahl, reference.Zahl);
            EXPECT_EQ(fast.Datum1, reference.Datum1);
            EXPECT_EQ(fast.Gewinn, reference.Gewinn);
            EXPECT_EQ(fast.Treffer, reference.Treffer);
            EXPECT_EQ(fast.Zusatz, reference.Zusatz);
        }
    }
}

}  // namespace
}  // namespace varo
