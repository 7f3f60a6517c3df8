#include <gtest/gtest.h>

#include "common/DateSerial.h"
#include "common/FileError.h"
#include "support/FormFixture.h"

namespace varo {
namespace {

using test::draw;

class TForm1EvaluationTest : public test::FormFixture {
  protected:
    void typeTip(int tip, std::array<const char*, 6> numbers) {
        for (int p = 1; p <= 6; ++p)
            form.Edit1Change(tip, p, numbers[static_cast<std::size_t>(p - 1)]);
    }
};

constexpr double kSunday = test::FormFixture::kFirstSunday;

TEST_F(TForm1EvaluationTest, WithoutHistorySelectingADrawAsksForTheDraws) {
    form.FormCreate(466);
    ui.messages.clear();
    form.SpeedButton5Click();
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{"Lesen Sie zuerst die Daten der Ziehungen ein"});
    EXPECT_EQ(form.Label35, "");
    EXPECT_EQ(form.Label13, "Quersumme");
}

TEST_F(TForm1EvaluationTest, AnEmptyHistoryChangesNothing) {
    writeHistory({});
    form.FormCreate(466);
    EXPECT_TRUE(ui.messages.empty());
    form.SpeedButton6Click();
    form.SpeedButton7Click();
    EXPECT_EQ(form.Label35, "");
    EXPECT_EQ(form.current.Zahl, (std::array<std::int32_t, 9>{}));
}

TEST_F(TForm1EvaluationTest, SelectByDateShowsTheDrawEverywhere) {
    writeHistory({draw(kSunday, {1, 2, 3, 4, 5, 6, 7, 0}),
                  draw(kSunday + 7, {3, 17, 22, 28, 33, 41, 12, 9}),
                  draw(kSunday + 14, {10, 11, 12, 13, 14, 15, 16, 0})});
    form.FormCreate(466);
    // At start the check date is today: the last draw.
    EXPECT_EQ(form.current.Position, 2);
    EXPECT_EQ(form.DateTimePicker1.date, kSunday + 14);

    struct Case {
        double day;
        std::int32_t position;
        const char* line;
    };
    const Case cases[] = {
        {kSunday - 7, 0, "So 14.10.62     1  2  3  4  5  6 Z:7"},  // first of several: 3 blanks
        {kSunday + 1, 1, "So 21.10.62    3  17  22  28  33  41 Z:12"},
        {kSunday + 7, 1, "So 21.10.62    3  17  22  28  33  41 Z:12"},
        {kSunday + 99, 2, "So 28.10.62    10  11  12  13  14  15 Z:16"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        form.DateTimePicker1.setDate(c.day);
        form.SpeedButton5Click();
        EXPECT_EQ(form.aktDatum, c.day);
        EXPECT_EQ(form.current.Position, c.position);
        EXPECT_EQ(form.Label29, c.line);
        EXPECT_EQ(form.Label35, c.line);
        EXPECT_EQ(form.DateTimePicker1.date, form.current.Datum1);
    }
    EXPECT_EQ(form.Label13, "Quersumme: 75");
    EXPECT_EQ(form.current.Zahl[7], 16);
}

TEST_F(TForm1EvaluationTest, OneRecordHasTwoBlanksAfterTheDate) {
    writeHistory({draw(kSunday, {1, 2, 3, 4, 5, 6, 7, 0})});
    form.FormCreate(466);
    EXPECT_EQ(form.Label35, "So 14.10.62    1  2  3  4  5  6 Z:7");
}

TEST_F(TForm1EvaluationTest, ADrawBeforeThePickersMinimumKeepsItsDate) {
    const double old = dateFromCivil(1958, 3, 2);
    writeHistory({draw(old, {1, 2, 3, 4, 5, 6, 7, 0})});
    form.FormCreate(466);
    EXPECT_EQ(form.current.Datum1, old);  // deleting the current draw must hit this one
    EXPECT_EQ(form.DateTimePicker1.date, dateFromCivil(1962, 10, 7));
    EXPECT_EQ(form.Label35, "So 02.03.58    1  2  3  4  5  6 Z:7");
}

TEST_F(TForm1EvaluationTest, SteppingPassesOverAWednesdayDraw) {
    writeHistory({draw(kSunday, {1, 2, 3, 4, 5, 6, 7, 0}),
                  draw(kSunday + 3, {8, 9, 10, 11, 12, 13, 14, 0}),
                  draw(kSunday + 7, {15, 16, 17, 18, 19, 20, 21, 0})});
    form.FormCreate(466);
    form.SpeedButton6Click();
    EXPECT_EQ(form.current.Position, 0);
    EXPECT_EQ(form.current.Datum1, kSunday);
    EXPECT_EQ(form.Label35, "So 14.10.62    1  2  3  4  5  6 Z:7");  // steps use two blanks
    form.SpeedButton7Click();
    EXPECT_EQ(form.current.Position, 2);
    EXPECT_EQ(form.current.Zahl[1], 15);
    EXPECT_EQ(form.DateTimePicker1.date, kSunday + 7);
}

TEST_F(TForm1EvaluationTest, StepsWithoutHistoryReportTheFileError) {
    form.FormCreate(466);
    EXPECT_THROW(form.SpeedButton6Click(), FileError);
    EXPECT_THROW(form.SpeedButton7Click(), FileError);
}

TEST_F(TForm1EvaluationTest, TipsAreCheckedAgainstTheSelectedDrawWithTheSound) {
    writeHistory({draw(kSunday, {3, 17, 22, 28, 33, 41, 12, 0}),
                  draw(kSunday + 7, {1, 2, 4, 5, 6, 7, 8, 0})});
    folder.writeFile("yippee.wav", {'R', 'I', 'F', 'F'});
    form.FormCreate(466);
    typeTip(1, {"40", "22", "12", "3", "45", "17"});
    form.DateTimePicker1.setDate(kSunday);
    form.SpeedButton5Click();
    EXPECT_EQ(form.tips.row(1).hits, "3 + Z");
    EXPECT_EQ(form.tips.cell(1, 1), "3");
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.played[0], folder.path() + "yippee.wav");

    form.SpeedButton7Click();  // the next draw: no hit
    EXPECT_EQ(form.tips.row(1).hits, "0");
    EXPECT_EQ(sound.played.size(), 1u);
}

TEST_F(TForm1EvaluationTest, AMissingSoundFileIsSilent) {
    writeHistory({draw(kSunday, {3, 17, 22, 28, 33, 41, 12, 0})});
    form.FormCreate(466);
    typeTip(1, {"3", "17", "22", "28", "33", "41"});
    form.Edit1Exit();
    EXPECT_EQ(form.tips.row(1).hits, "6");
    EXPECT_TRUE(sound.played.empty());
}

TEST_F(TForm1EvaluationTest, LeavingACellChecksOnlyWhileSortingIsOn) {
    writeHistory({draw(kSunday, {3, 17, 22, 28, 33, 41, 12, 0})});
    form.FormCreate(466);
    typeTip(2, {"30", "4", "12", "41", "7", "19"});
    form.sortieren = false;
    form.Edit1Exit();
    form.SpeedButton5Click();  // loads the draw, checks nothing
    EXPECT_EQ(form.tips.cell(2, 1), "30");
    EXPECT_EQ(form.tips.row(2).hits, "");
    EXPECT_EQ(form.Label35, "So 14.10.62    3  17  22  28  33  41 Z:12");
    form.sortieren = true;
    form.Edit1Exit();
    const char* sorted[] = {"4", "7", "12", "19", "30", "41"};
    for (int p = 1; p <= 6; ++p)
        EXPECT_EQ(form.tips.cell(2, p), sorted[p - 1]);
    EXPECT_EQ(form.tips.row(2).hits, "1 + Z");
}

TEST_F(TForm1EvaluationTest, ClearingKeepsMarkedTips) {
    form.FormCreate(466);
    typeTip(2, {"1", "2", "3", "4", "5", "6"});
    typeTip(3, {"1", "2", "3", "4", "5", "6"});
    form.Label30Click(2);
    form.SpeedButton11Click();
    EXPECT_TRUE(form.tips.present(2));
    EXPECT_FALSE(form.tips.present(3));
    form.Label30Click(2);
    EXPECT_FALSE(form.tips.marked(2));
}

}  // namespace
}  // namespace varo
