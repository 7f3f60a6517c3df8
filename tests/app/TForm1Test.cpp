#include "app/TForm1.h"

#include <gtest/gtest.h>

#include "common/DateSerial.h"
#include "common/FileError.h"
#include "support/FormFixture.h"

namespace varo {
namespace {

using test::draw;

class TForm1Test : public test::FormFixture {};

TEST_F(TForm1Test, StartsWithTheDesignValues) {
    form.FormCreate(466);
    EXPECT_EQ(form.SoundName, "yippee.wav");
    EXPECT_EQ(form.LaufMax, 100000);
    EXPECT_TRUE(form.sortieren);
    EXPECT_EQ(form.Groesse, 466);
    EXPECT_EQ(form.ZahlenFile, "varo.dat");
    EXPECT_EQ(form.Home, folder.path());
    EXPECT_EQ(form.FileNameEdit, "Lotto.html");
    EXPECT_EQ(form.ProxyPortEdit, "80");
    EXPECT_EQ(form.Label13, "Quersumme");
    EXPECT_EQ(form.DateTimePicker1.date, kToday);
    EXPECT_EQ(form.DateTimePicker1.minDate, dateFromCivil(1962, 10, 7));
    EXPECT_EQ(form.DateTimePicker2.date, kFirstSunday);
    EXPECT_EQ(form.DateTimePicker2.minDate, kFirstSunday);
    EXPECT_EQ(form.activePage, Page::TabSheet1);

    const bool on[19] = {false, false, true,  true,  true, true,  false, false, true, true,
                         true,  false, false, false, true, false, true,  false, true};
    for (int n = 1; n <= 18; ++n)
        EXPECT_EQ(form.checkBox[n], on[n]) << "CheckBox" << n;

    const SpinBox expected[9] = {{},        {100, 21, 279}, {180, 21, 279},  {3, 0, 5},  {0, 0, 5},
                                 {0, 0, 5}, {5, 3, 6},      {100, 1, 10000}, {12, 1, 12}};
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(form.upDown[n].position, expected[n].position) << "UpDown" << n;
        EXPECT_EQ(form.upDown[n].minimum, expected[n].minimum) << "UpDown" << n;
        EXPECT_EQ(form.upDown[n].maximum, expected[n].maximum) << "UpDown" << n;
    }
}

TEST_F(TForm1Test, StartWithoutHistoryAsksOnceForTheDrawsAndLeavesTheChartEmpty) {
    form.FormCreate(466);
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{"Lesen Sie zuerst die Daten der Ziehungen ein"});
    EXPECT_EQ(form.Series2.count(), 0);
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(TForm1Test, StartWithHistoryShowsTheNumberFrequency) {
    writeHistory({draw(kFirstSunday, {1, 2, 3, 4, 5, 6, 7, 0})});
    form.FormCreate(466);
    EXPECT_EQ(form.Series2.count(), 45);
    EXPECT_FALSE(form.Series2.marksVisible());
    EXPECT_EQ(form.Series2.caption(), "Zahlenverteilung     Ziehungen: 1    Quersumme: 21");
    EXPECT_EQ(form.activePage, Page::TabSheet1);  // the chart page is not brought forward
}

TEST_F(TForm1Test, NumberFrequencyFromTheStartDate) {
    writeHistory({
        draw(kFirstSunday, {1, 2, 3, 4, 5, 6, 7, 0}),
        draw(kFirstSunday + 7, {1, 12, 13, 14, 15, 16, 17, 0}),
        draw(kFirstSunday + 14, {1, 22, 23, 24, 25, 26, 2, 0}),
    });
    form.FormCreate(466);
    form.DateTimePicker2.setDate(kFirstSunday + 7);
    changes.clear();
    form.SpeedButton2Click();
    EXPECT_EQ(form.aktDatum, kFirstSunday + 7);
    EXPECT_EQ(form.Series2.yValue(0), 2);  // number 1
    EXPECT_EQ(form.Series2.yValue(1), 1);  // number 2, as bonus number only
    EXPECT_EQ(form.Series2.yValue(2), 0);  // number 3, before the start date
    EXPECT_EQ(form.Series2.minimum(), 0);
    EXPECT_EQ(form.Series2.maximum(), 2);
    EXPECT_EQ(form.Series2.caption(), "Zahlenverteilung     Ziehungen: 2    Quersumme: 96");
    EXPECT_EQ(ui.busyDepth, 0);
    EXPECT_GE(ui.busyCount, 1);
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), FormPart::Chart);
}

TEST_F(TForm1Test, StartDateAfterTheLastDrawGivesFortyFiveZeros) {
    writeHistory({draw(kFirstSunday, {1, 2, 3, 4, 5, 6, 7, 0})});
    form.FormCreate(466);
    form.DateTimePicker2.setDate(kFirstSunday + 1);
    form.SpeedButton2Click();
    ASSERT_EQ(form.Series2.count(), 45);
    for (const StatPoint& p : form.Series2.points())
        EXPECT_EQ(p.y, 0);
    EXPECT_EQ(form.Series2.minimum(), 0);
    EXPECT_EQ(form.Series2.maximum(), 0);
}

TEST_F(TForm1Test, ByteSixtyFiveShowsTheDrawDateAndTheCountGoesOn) {
    writeHistory({draw(kFirstSunday, {1, 2, 3, 4, 5, 65, 7, 0}),
                  draw(kFirstSunday + 7, {1, 2, 3, 4, 5, 6, 7, 0})});
    form.FormCreate(466);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "14.10.1962");
    EXPECT_EQ(form.Series2.yValue(0), 2);
}

TEST_F(TForm1Test, MissingHistoryFailsWithTheFileErrorAndKeepsTheChart) {
    writeHistory({draw(kFirstSunday, {1, 2, 3, 4, 5, 6, 7, 0})});
    form.FormCreate(466);
    const std::string caption = form.Series2.caption();
    std::remove(form.history().path().c_str());
    try {
        form.SpeedButton2Click();
        FAIL() << "expected a file error";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "Datei nicht gefunden");
    }
    EXPECT_EQ(form.Series2.count(), 45);
    EXPECT_EQ(form.Series2.caption(), caption);
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(TForm1Test, ResizeScalesThePagesOnlyWhenTheHeightChanges) {
    form.FormCreate(466);
    form.FormResize(466);  // width change only: same height
    EXPECT_TRUE(ui.scaleRatios.empty());
    form.FormResize(932);
    ASSERT_EQ(ui.scaleRatios.size(), 1u);
    EXPECT_DOUBLE_EQ(ui.scaleRatios[0], 2.0);
    EXPECT_EQ(form.Groesse, 932);
    form.FormResize(466);
    ASSERT_EQ(ui.scaleRatios.size(), 2u);
    EXPECT_DOUBLE_EQ(ui.scaleRatios[1], 0.5);
}

TEST_F(TForm1Test, LinkLabelPassesItsCaptionUnchanged) {
    form.Label52Click("https://www.lotterien.at");
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], "https://www.lotterien.at");
}

TEST_F(TForm1Test, HomeGetsATrailingSlash) {
    TForm1 other({ui, shell, clock, sound, "/opt/varo"});
    other.FormCreate(466);
    EXPECT_EQ(other.Home, "/opt/varo/");
    EXPECT_EQ(other.history().path(), "/opt/varo/varo.dat");
}

}  // namespace
}  // namespace varo
