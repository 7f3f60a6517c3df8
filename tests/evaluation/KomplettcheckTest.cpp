#include "evaluation/Komplettcheck.h"

#include <gtest/gtest.h>

namespace varo {
namespace {

class KomplettcheckTest : public ::testing::Test {
  protected:
    KomplettcheckTest() {
        // Drawn 3 17 22 28 33 41, bonus 12.
        const std::int32_t drawn[] = {0, 3, 17, 22, 28, 33, 41, 12, 0};
        for (std::size_t i = 0; i < 9; ++i)
            draw.Zahl[i] = drawn[i];
    }

    void fill(int tip, std::array<const char*, 6> cells) {
        for (int p = 1; p <= 6; ++p)
            sheet.setCell(tip, p, cells[static_cast<std::size_t>(p - 1)]);
    }

    int check() {
        return Komplettcheck(sheet, draw, [this] { ++sounds; });
    }

    TipSheet sheet;
    CurrentDraw draw;
    int sounds = 0;
};

TEST_F(KomplettcheckTest, CompleteRowWithoutHits) {
    fill(1, {"30", "4", "12", "41", "7", "19"});
    sheet.row(1).colours.fill(CellColour::Lime);
    EXPECT_EQ(check(), 1);  // 41 is drawn
    fill(1, {"30", "4", "13", "40", "7", "19"});
    EXPECT_EQ(check(), 0);
    const TipRow& row = sheet.row(1);
    EXPECT_EQ(row.hits, "0");
    EXPECT_EQ(row.hitsColour, TextColour::Black);
    EXPECT_EQ(row.sum, "113");
    for (CellColour c : row.colours)
        EXPECT_EQ(c, CellColour::Window);
    EXPECT_EQ(sounds, 0);
}

TEST_F(KomplettcheckTest, ThreeHitsWithTheBonusNumberAreSortedColouredRedAndCheered) {
    fill(2, {"40", "22", "12", "3", "45", "17"});
    EXPECT_EQ(check(), 3);
    const TipRow& row = sheet.row(2);
    const char* sorted[] = {"3", "12", "17", "22", "40", "45"};
    for (int p = 1; p <= 6; ++p)
        EXPECT_EQ(sheet.cell(2, p), sorted[p - 1]);
    const CellColour colours[] = {CellColour::Lime, CellColour::Yellow, CellColour::Lime,
                                  CellColour::Lime, CellColour::Window, CellColour::Window};
    for (std::size_t p = 0; p < 6; ++p)
        EXPECT_EQ(row.colours[p], colours[p]) << p;
    EXPECT_EQ(row.hits, "3 + Z");
    EXPECT_EQ(row.hitsColour, TextColour::Red);
    EXPECT_EQ(row.sum, "139");
    EXPECT_EQ(sounds, 1);
}

TEST_F(KomplettcheckTest, AnIncompleteRowIsResetAndDoesNotCount) {
    fill(3, {"3", "17", "22", "28", "33", ""});
    sheet.row(3).hits = "5";
    sheet.row(3).sum = "103";
    sheet.row(3).colours.fill(CellColour::Yellow);
    EXPECT_EQ(check(), 0);
    EXPECT_EQ(sheet.cell(3, 1), "3");  // not sorted, not changed
    EXPECT_EQ(sheet.row(3).hits, "");
    EXPECT_EQ(sheet.row(3).sum, "");
    for (CellColour c : sheet.row(3).colours)
        EXPECT_EQ(c, CellColour::Window);
}

TEST_F(KomplettcheckTest, ADrawnNumberTwiceInATipGivesTwoHits) {
    fill(4, {"17", "17", "1", "2", "4", "5"});
    check();
    EXPECT_EQ(sheet.row(4).hits, "2");
    EXPECT_EQ(sheet.row(4).colours[4], CellColour::Lime);  // sorted: 1 2 4 5 17 17
    EXPECT_EQ(sheet.row(4).colours[5], CellColour::Lime);
}

TEST_F(KomplettcheckTest, EveryRowIsCheckedAndTheLastRowsForgetTheHitCount) {
    fill(9, {"3", "17", "22", "1", "2", "4"});
    fill(12, {"3", "17", "22", "28", "1", "2"});
    EXPECT_EQ(check(), 4);
    EXPECT_EQ(sheet.row(9).hits, "3");
    EXPECT_EQ(sheet.row(12).hits, "4");
    EXPECT_EQ(draw.Gewinn, 4);  // the last complete row was the last row
    EXPECT_EQ(sounds, 2);

    fill(12, {"", "", "", "", "", ""});
    check();
    EXPECT_EQ(draw.Gewinn, 0);  // tip 12's failure path
    EXPECT_FALSE(draw.Zusatz);

    // Up to tip 10 an incomplete row leaves the hit count of the row before it.
    fill(11, {"3", "17", "22", "28", "33", "12"});
    fill(12, {"3", "17", "22", "28", "33", "41"});
    check();
    EXPECT_EQ(draw.Gewinn, 6);
    EXPECT_EQ(sheet.row(11).hits, "5 + Z");
}

}  // namespace
}  // namespace varo
