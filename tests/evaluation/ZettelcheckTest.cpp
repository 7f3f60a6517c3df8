#include "evaluation/Zettelcheck.h"

#include <gtest/gtest.h>

namespace varo {
namespace {

CurrentDraw drawOf(std::array<std::int32_t, 8> numbers) {
    CurrentDraw draw;
    for (std::size_t i = 0; i < 8; ++i)
        draw.Zahl[i + 1] = numbers[i];
    return draw;
}

TEST(ZettelcheckTest, CountsHitsBonusAndStopsAtTheFirstInvalidText) {
    // Drawn 3 17 22 28 33 41, bonus 12.
    const CurrentDraw drawn = drawOf({3, 17, 22, 28, 33, 41, 12, 0});
    struct Case {
        TipTexts texts;
        int gewinn;
        std::array<int, 6> treffer;
        bool zusatz;
    };
    const Case cases[] = {
        {{"1", "2", "4", "5", "6", "7"}, 0, {0, 0, 0, 0, 0, 0}, false},
        {{"3", "17", "22", "28", "33", "41"}, 6, {1, 1, 1, 1, 1, 1}, false},
        {{"3", "17", "22", "12", "40", "45"}, 3, {1, 1, 1, 2, 0, 0}, true},
        {{"17", "17", "1", "2", "4", "5"}, 2, {1, 1, 0, 0, 0, 0}, false},    // twice counts twice
        {{"3", "x", "22", "28", "33", "41"}, 1, {1, 0, 0, 0, 0, 0}, false},  // stops at "x"
        {{"", "17", "22", "28", "33", "41"}, 0, {0, 0, 0, 0, 0, 0}, false},
        {{"22", "3", "", "28", "33", "41"}, 1, {0, 1, 0, 0, 0, 0}, false},  // only against Zahl[1]
        {{"0", "0", "0", "0", "0", "0"}, 0, {0, 0, 0, 0, 0, 0}, false},
        {{" 3", "017", "22", "28", "33", "41"}, 6, {1, 1, 1, 1, 1, 1}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.texts[0]) + "," + std::string(c.texts[1]) + "," +
                     std::string(c.texts[2]));
        CurrentDraw draw = drawn;
        draw.Treffer.fill(7);
        draw.Gewinn = 99;
        draw.Zusatz = true;
        Zettelcheck(draw, c.texts);
        EXPECT_EQ(draw.Gewinn, c.gewinn);
        EXPECT_EQ(draw.Zusatz, c.zusatz);
        for (std::size_t p = 1; p <= 6; ++p)
            EXPECT_EQ(draw.Treffer[p], c.treffer[p - 1]) << p;
        EXPECT_EQ(draw.Treffer[7], 0);
    }
}

TEST(ZettelcheckTest, ADrawnNumberTwiceCountsTwiceAndABonusHitIsMarkedTwo) {
    // A damaged draw holding 17 twice, and a bonus number that is also drawn.
    CurrentDraw draw = drawOf({17, 17, 22, 28, 33, 41, 22, 0});
    Zettelcheck(draw, {"17", "22", "1", "2", "4", "5"});
    EXPECT_EQ(draw.Gewinn, 3);
    EXPECT_EQ(draw.Treffer[1], 1);
    EXPECT_EQ(draw.Treffer[2], 2);
    EXPECT_TRUE(draw.Zusatz);
}

TEST(ZettelcheckTest, ZeroTextsMatchZerosInTheDraw) {
    CurrentDraw draw = drawOf({1, 2, 0, 0, 33, 41, 12, 0});
    Zettelcheck(draw, {"1", "2", "0", "0", "0", "0"});
    EXPECT_EQ(draw.Gewinn, 2 + 4 * 2);
}

}  // namespace
}  // namespace varo
