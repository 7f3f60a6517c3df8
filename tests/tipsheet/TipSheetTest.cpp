#include "tipsheet/TipSheet.h"

#include <gtest/gtest.h>

namespace varo {
namespace {

TEST(TipSheetTest, CellTextBecomesAPlainNumberFromOneToFortyFiveOrEmpty) {
    const std::pair<const char*, const char*> cases[] = {
        {"7", "7"},  {"45", "45"}, {"007", "7"}, {" 5", "5"},         {"+7", "7"},
        {"1", "1"},  {"0", ""},    {"46", ""},   {"-5", ""},          {"", ""},
        {"abc", ""}, {"4 5", ""},  {"456", ""},  {"99999999999", ""},
    };
    for (const auto& [typed, shown] : cases)
        EXPECT_EQ(normalizeCellText(typed), shown) << typed;
}

TEST(TipSheetTest, TypingGoesThroughTheValidationKeyByKey) {
    TipSheet sheet;
    // Each key press changes the text to the old text plus the key.
    auto type = [&sheet](const std::string& keys) {
        for (char key : keys)
            sheet.setCell(3, 2, sheet.cell(3, 2) + key);
        return sheet.cell(3, 2);
    };
    EXPECT_EQ(type("45"), "45");
    EXPECT_EQ(type("6"), "");  // a third digit empties the cell
    EXPECT_EQ(type("0"), "");  // a first 0 vanishes at once
    EXPECT_EQ(type("07"), "7");
}

TEST(TipSheetTest, MarkToggleAndClearingKeepMarkedTips) {
    TipSheet sheet;
    for (int tip = 1; tip <= kTipCount; ++tip) {
        for (int p = 1; p <= kCellsPerTip; ++p)
            sheet.setCell(tip, p, std::to_string(tip + p));
        sheet.row(tip).hits = "2";
        sheet.row(tip).sum = "99";
        sheet.row(tip).colours.fill(CellColour::Lime);
    }
    sheet.toggleMark(2);
    sheet.toggleMark(5);
    sheet.toggleMark(7);
    sheet.toggleMark(7);  // twice: unmarked again
    EXPECT_TRUE(sheet.marked(2));
    EXPECT_FALSE(sheet.marked(7));
    EXPECT_EQ(sheet.row(2).labelColour, TextColour::Red);
    EXPECT_EQ(sheet.row(7).labelColour, TextColour::WindowText);

    sheet.clearUnmarked();
    for (int tip = 1; tip <= kTipCount; ++tip) {
        const bool kept = tip == 2 || tip == 5;
        EXPECT_EQ(sheet.present(tip), kept) << tip;
        EXPECT_EQ(sheet.cell(tip, 6).empty(), !kept) << tip;
        EXPECT_EQ(sheet.row(tip).hits, kept ? "2" : "") << tip;
        EXPECT_EQ(sheet.row(tip).sum, kept ? "99" : "") << tip;
        EXPECT_EQ(sheet.row(tip).colours[0], CellColour::Lime) << tip;  // colours stay
    }
    EXPECT_TRUE(sheet.marked(2));
}

TEST(TipSheetTest, ATipIsPresentByItsFirstCellAlone) {
    TipSheet sheet;
    sheet.setCell(4, 2, "12");
    EXPECT_FALSE(sheet.present(4));
    sheet.setCell(4, 1, "3");
    EXPECT_TRUE(sheet.present(4));
}

TEST(TipSheetTest, ComponentNames) {
    EXPECT_EQ(tipCellName(1, 1), "Edit1");
    EXPECT_EQ(tipCellName(6, 6), "Edit36");
    EXPECT_EQ(tipCellName(7, 1), "Edit43");
    EXPECT_EQ(tipCellName(8, 6), "Edit54");
    EXPECT_EQ(tipCellName(9, 1), "Edit56");
    EXPECT_EQ(tipCellName(10, 4), "Edit65");
    EXPECT_EQ(tipCellName(12, 6), "Edit79");
    EXPECT_EQ(tipRowLabelName(2), "Label30");
    EXPECT_EQ(tipRowLabelName(10), "Label61");
    EXPECT_EQ(tipHitsLabelName(9), "Label65");
    EXPECT_EQ(tipSumLabelName(12), "Label72");
}

}  // namespace
}  // namespace varo
