#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/TForm1.h"
#include "common/FileError.h"
#include "support/FakePlatform.h"
#include "support/HistoryFixture.h"
#include "support/TempDir.h"

namespace varo {
namespace {

using test::draw;

constexpr double kToday = 46366.0;   // 10.12.2026
constexpr double kSunday = 22933.0;  // 14.10.1962

class TForm1StatisticsTest : public ::testing::Test {
  protected:
    TForm1StatisticsTest() : clock(kToday), form({ui, shell, clock, sound, folder.path()}) {
        form.setChangeListener([this](FormPart part) { changes.push_back(part); });
    }

    // Writes the history and opens the window on it.
    void start(const std::vector<DrawRecord>& draws) {
        folder.writeFile("varo.dat", test::historyBytes(draws));
        form.FormCreate(466);
        ui.messages.clear();
        changes.clear();
    }

    test::TempDir folder;
    test::FakeUi ui;
    test::FakeShell shell;
    test::FixedClock clock;
    test::FakeSound sound;
    TForm1 form;
    std::vector<FormPart> changes;
};

const std::vector<DrawRecord> kHistory = {
    draw(kSunday, {1, 2, 3, 4, 10, 20, 5, 1}),
    draw(kSunday + 7, {1, 2, 3, 4, 30, 40, 6, 1}),
    draw(kSunday + 10, {1, 2, 3, 4, 5, 6, 7, 1}),  // a Wednesday
    draw(kSunday + 14, {5, 6, 7, 8, 9, 45, 44, 1}),
};

struct Statistic {
    const char* name;
    void (TForm1::*handler)();
    bool readsHistory;
    bool showsChartPage;
    const char* caption;  // with the history above, counted from its second draw
};

const Statistic kStatistics[] = {
    {"pairs", &TForm1::Button2Click, true, true, "Bei 2 Ziehungen wurden 7 Paare gefunden!"},
    {"triples", &TForm1::Button3Click, true, true, "Bei 2 Ziehungen wurden 5 Dreier gefunden!"},
    {"quadruples", &TForm1::Button4Click, true, true, "Bei 2 Ziehungen wurden 3 Vierer gefunden!"},
    {"overdue", &TForm1::Button5Click, true, true,
     "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?"},
    {"sums", &TForm1::SpeedButton9Click, true, false,
     "Quersummenverteilung     Ziehungen: 2    Quersumme: 80"},
    {"tips", &TForm1::Button6Click, false, true, "Zahlenverteilung des Tippes"},
};

TEST_F(TForm1StatisticsTest, EachStatisticFollowsThePublishingSteps) {
    start(kHistory);
    form.DateTimePicker2.setDate(kSunday + 7);
    for (const Statistic& s : kStatistics) {
        SCOPED_TRACE(s.name);
        form.SpeedButton2Click();  // another statistic in the chart, Series2 hidden
        form.Series2.showOnly(StatSeries::Series::Series1);
        form.aktDatum = 0;
        form.activePage = Page::TabSheet1;
        changes.clear();
        const int busyBefore = ui.busyCount;

        (form.*s.handler)();

        EXPECT_EQ(form.Series2.caption(), s.caption);
        EXPECT_EQ(form.Series2.shown(), StatSeries::Series::Series2);
        EXPECT_EQ(form.aktDatum, s.readsHistory ? kSunday + 7 : 0);
        EXPECT_EQ(form.activePage, s.showsChartPage ? Page::TabSheet5 : Page::TabSheet1);
        ASSERT_FALSE(changes.empty());
        EXPECT_NE(std::find(changes.begin(), changes.end(), FormPart::Chart), changes.end());
        EXPECT_EQ(std::find(changes.begin(), changes.end(), FormPart::Page) != changes.end(),
                  s.showsChartPage);
        EXPECT_EQ(ui.busyDepth, 0);
        EXPECT_EQ(ui.busyCount, busyBefore + 1);
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST_F(TForm1StatisticsTest, MissingHistoryFailsWithTheFileErrorAndKeepsTheChart) {
    start(kHistory);
    for (const Statistic& s : kStatistics) {
        if (!s.readsHistory) continue;
        SCOPED_TRACE(s.name);
        folder.writeFile("varo.dat", test::historyBytes(kHistory));
        form.SpeedButton2Click();
        form.aktDatum = 0;
        form.activePage = Page::TabSheet1;
        const std::vector<StatPoint> points = form.Series2.points();
        const std::string caption = form.Series2.caption();
        const double minimum = form.Series2.minimum();
        const double maximum = form.Series2.maximum();
        std::remove(form.history().path().c_str());
        try {
            (form.*s.handler)();
            ADD_FAILURE() << "expected a file error";
        } catch (const FileError& error) {
            EXPECT_STREQ(error.what(), "Datei nicht gefunden");
        }
        ASSERT_EQ(form.Series2.count(), static_cast<int>(points.size()));
        for (std::size_t i = 0; i < points.size(); ++i)
            EXPECT_EQ(form.Series2.points()[i].y, points[i].y);
        EXPECT_EQ(form.Series2.caption(), caption);
        EXPECT_EQ(form.Series2.minimum(), minimum);
        EXPECT_EQ(form.Series2.maximum(), maximum);
        EXPECT_EQ(form.aktDatum, 0);
        EXPECT_EQ(form.activePage, Page::TabSheet1);
        EXPECT_EQ(ui.busyDepth, 0);
    }
}

TEST_F(TForm1StatisticsTest, TipDistributionNeedsNoHistory) {
    form.FormCreate(466);  // no history file
    form.tips.setCell(1, 1, "7");
    form.tips.setCell(1, 2, "7");
    form.Button6Click();
    ASSERT_EQ(form.Series2.count(), 45);
    EXPECT_EQ(form.Series2.yValue(6), 2);
    EXPECT_EQ(form.Series2.maximum(), 2);
    EXPECT_EQ(form.activePage, Page::TabSheet5);
}

TEST_F(TForm1StatisticsTest, PairsCountSundaysFromTheStartDateAndTheOptionsDecideTheWeekdays) {
    start(kHistory);
    form.Button2Click();
    // Sundays 1, 2 and 4: pairs 1..3 twice, 5..8 once (44, 45 is the bonus number's pair).
    EXPECT_EQ(form.Series2.caption(), "Bei 3 Ziehungen wurden 10 Paare gefunden!");
    EXPECT_EQ(form.Series2.yValue(0), 2);
    EXPECT_EQ(form.Series2.yValue(43), 0);
    EXPECT_EQ(form.Series2.minimum(), 0);
    EXPECT_EQ(form.Series2.maximum(), 2);

    form.checkBox[17] = true;  // Wednesday draws as well
    form.Button2Click();
    EXPECT_EQ(form.Series2.caption(), "Bei 4 Ziehungen wurden 15 Paare gefunden!");
    EXPECT_EQ(form.Series2.yValue(0), 3);
}

TEST_F(TForm1StatisticsTest, GroupStatisticLeavesItsLastTestInTheCheckRegisterOnly) {
    start(kHistory);
    form.current.Datum1 = kSunday;
    form.current.Position = 0;
    form.Label35 = form.Label29 = "So 14.10.62";
    form.Label13 = "Quersumme 40";

    form.Button3Click();

    // The last Sunday tested against 43, 44, 45: its 45 is a hit, 44 is its bonus number.
    EXPECT_EQ(form.current.Zahl, (std::array<std::int32_t, 9>{0, 5, 6, 7, 8, 9, 45, 44, 1}));
    EXPECT_EQ(form.current.Gewinn, 1);
    EXPECT_EQ(form.current.Treffer, (std::array<std::uint8_t, 9>{0, 0, 2, 1, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(form.current.Zusatz);
    EXPECT_EQ(form.current.Datum1, kSunday);
    EXPECT_EQ(form.current.Position, 0);
    EXPECT_EQ(form.Label35, "So 14.10.62");
    EXPECT_EQ(form.Label29, "So 14.10.62");
    EXPECT_EQ(form.Label13, "Quersumme 40");
}

TEST_F(TForm1StatisticsTest, NothingCountedGivesZerosAndLeavesTheCheckRegister) {
    start(kHistory);
    form.DateTimePicker2.setDate(kSunday + 15);
    const CurrentDraw before = form.current;
    for (void (TForm1::*handler)() : {&TForm1::Button2Click, &TForm1::Button3Click}) {
        (form.*handler)();
        for (const StatPoint& p : form.Series2.points())
            EXPECT_EQ(p.y, 0);
        EXPECT_EQ(form.Series2.minimum(), 0);
        EXPECT_EQ(form.Series2.maximum(), 0);
    }
    EXPECT_EQ(form.Series2.caption(), "Bei 0 Ziehungen wurden 0 Dreier gefunden!");
    EXPECT_EQ(form.current.Zahl, before.Zahl);
    EXPECT_EQ(form.current.Treffer, before.Treffer);
    EXPECT_EQ(form.current.Gewinn, before.Gewinn);
    EXPECT_EQ(form.current.Zusatz, before.Zusatz);

    form.Button5Click();
    EXPECT_EQ(form.Series2.minimum(), 1);
    EXPECT_EQ(form.Series2.maximum(), 1);
    form.SpeedButton9Click();
    EXPECT_EQ(form.Series2.count(), 0);
    EXPECT_EQ(form.Series2.caption(), "Quersummenverteilung     Ziehungen: 0    Quersumme: 0");
}

}  // namespace
}  // namespace varo
