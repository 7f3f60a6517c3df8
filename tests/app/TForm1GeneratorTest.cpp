#include <gtest/gtest.h>

#include <algorithm>

#include "common/FileError.h"
#include "support/FormFixture.h"

namespace varo {
namespace {

class TForm1GeneratorTest : public test::FormFixture {
  protected:
    void SetUp() override {
        draws = test::weeklyDraws(300);
        writeHistory(draws);
        form.FormCreate(466);
        ui.messages.clear();
    }

    TipNumbers tipOnSheet(int tip) const {
        TipNumbers numbers{};
        for (int p = 1; p <= 6; ++p)
            numbers[static_cast<std::size_t>(p - 1)] = std::atoi(form.tips.cell(tip, p).c_str());
        return numbers;
    }

    void fillTip(int tip, TipNumbers numbers) {
        for (int p = 1; p <= 6; ++p)
            form.Edit1Change(tip, p, std::to_string(numbers[static_cast<std::size_t>(p - 1)]));
    }

    std::vector<DrawRecord> draws;
};

int shared(const TipNumbers& tip, const DrawRecord& draw) {
    int count = 0;
    for (std::int32_t n : tip)
        for (int i = 1; i <= 7; ++i)
            count += n == draw.numberByte(i);
    return count;
}

TEST_F(TForm1GeneratorTest, ADefaultRunFillsTheSheetWithTipsThatObeyTheOptions) {
    form.random.setState(99);
    form.Label28Click();
    EXPECT_EQ(form.statusPanels[1], "Tipps wurden neu berechnet");
    EXPECT_TRUE(form.sortieren);
    EXPECT_EQ(ui.busyDepth, 0);
    const DrawRecord& last = draws.back();
    const DrawRecord& before = draws[draws.size() - 2];
    for (int tip = 1; tip <= 12; ++tip) {
        SCOPED_TRACE(tip);
        const TipNumbers numbers = tipOnSheet(tip);
        ASSERT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
        ASSERT_GE(numbers[0], 1);
        EXPECT_EQ(form.GeneratedTips[static_cast<std::size_t>(tip - 1)], numbers);
        int sum = 0;
        for (std::int32_t n : numbers)
            sum += n;
        EXPECT_GE(sum, 100);
        EXPECT_LE(sum, 180);
        EXPECT_EQ(form.tips.row(tip).sum, std::to_string(sum));
        EXPECT_EQ(shared(numbers, last), 0);
        EXPECT_EQ(shared(numbers, before), 0);
        EXPECT_FALSE(form.tips.row(tip).hits.empty());  // checked against the current draw
    }
    // The current draw is shown again.
    EXPECT_EQ(form.current.Datum1, last.Datum);
    EXPECT_EQ(form.current.Zahl[1], last.Zahlen[0]);
}

TEST_F(TForm1GeneratorTest, MarkedTipsStayAndOnlyTheAskedNumberIsComputed) {
    fillTip(2, {1, 2, 3, 4, 5, 6});
    fillTip(9, {7, 8, 9, 10, 11, 12});
    form.Label30Click(2);
    form.Label30Click(9);
    form.upDown[8].setPosition(4);
    form.random.setState(5);
    form.Label28Click();
    EXPECT_EQ(tipOnSheet(2), (TipNumbers{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(tipOnSheet(9), (TipNumbers{7, 8, 9, 10, 11, 12}));
    for (int tip : {1, 3, 4})
        EXPECT_TRUE(form.tips.present(tip)) << tip;
    for (int tip : {5, 6, 7, 8, 10, 11, 12})
        EXPECT_FALSE(form.tips.present(tip)) << tip;
    EXPECT_EQ(form.GeneratedTips[1], TipNumbers{});  // kept tips take no part in the overlap
    EXPECT_EQ(form.GeneratedTips[8], TipNumbers{});
}

TEST_F(TForm1GeneratorTest, AnUnsatisfiableRunEndsByBudgetAndPutsTheOptionsBack) {
    form.upDown[1].setPosition(279);  // lowest sum above the highest
    form.upDown[2].setPosition(21);
    form.upDown[4].setPosition(2);
    form.upDown[7].setPosition(30);
    form.UpDown7Changing();
    EXPECT_EQ(form.LaufMax, 30000);
    form.Label28Click();
    EXPECT_EQ(form.statusPanels[1], "Ändern Sie die Parameter um 12 Tipps zuberechnen");
    for (int tip = 1; tip <= 12; ++tip)
        EXPECT_FALSE(form.tips.present(tip)) << tip;
    EXPECT_EQ(form.tips.row(1).sum, "");
    EXPECT_TRUE(form.checkBox[8]);
    EXPECT_EQ(form.upDown[4].position, 2);
    EXPECT_EQ(form.upDown[5].position, 0);
    EXPECT_EQ(form.upDown[6].position, 5);
    EXPECT_TRUE(form.sortieren);
}

TEST_F(TForm1GeneratorTest, AnEmptyPoolEndsWithAClearText) {
    form.checkBox[2] = false;
    form.checkBox[10] = false;
    form.checkBox[15] = true;
    form.Label28Click();
    EXPECT_EQ(form.statusPanels[1], "Keine bevorzugten Zahlen gefunden - ändern Sie die Parameter");
    EXPECT_FALSE(form.tips.present(1));
    EXPECT_TRUE(form.sortieren);
}

TEST_F(TForm1GeneratorTest, AnErrorEndsTheRunWithTheStateRestored) {
    std::remove(form.history().path().c_str());
    form.checkBox[8] = true;
    EXPECT_THROW(form.Label28Click(), FileError);
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{"Lesen Sie zuerst die Daten der Ziehungen ein"});
    EXPECT_TRUE(form.sortieren);
    EXPECT_EQ(ui.busyDepth, 0);
    EXPECT_TRUE(form.checkBox[8]);
}

TEST_F(TForm1GeneratorTest, TheSameLuckyNumberGivesTheSameTips) {
    std::array<TipNumbers, 12> first{};
    for (int round = 0; round < 2; ++round) {
        ui.textAnswers.push_back("4711");
        ui.yesNoAnswers.push_back(true);
        form.SpeedButton13Click();
        EXPECT_EQ(form.statusPanels[1], "Tipps wurden neu berechnet");
        if (round == 0) first = form.GeneratedTips;
    }
    EXPECT_EQ(form.GeneratedTips, first);
    EXPECT_NE(first[0], TipNumbers{});
    EXPECT_EQ(ui.inputs.size(), 2u);
    EXPECT_EQ(ui.questions.back(), "Jetzt berechnen??: Soll der Tipp jetzt berechnet werden?");
}

TEST_F(TForm1GeneratorTest, LuckyNumbersAreTakenAsTheyAre) {
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"0", 0u}, {"-5", 4294967291u}, {" 123456789", 123456789u}};
    for (const auto& [text, state] : cases) {
        ui.textAnswers.push_back(text);
        ui.yesNoAnswers.push_back(false);
        form.SpeedButton13Click();
        EXPECT_EQ(form.random.state(), state) << text;
        EXPECT_EQ(form.statusPanels[1],
                  "Glückszahl " + std::to_string(static_cast<std::int32_t>(state)) + " gesetzt");
    }
    EXPECT_FALSE(form.tips.present(1));  // No: no run
}

TEST_F(TForm1GeneratorTest, CancellingTakesTheSuggestionAndLettersReseed) {
    form.random.setState(0);
    ui.yesNoAnswers.push_back(false);
    form.SpeedButton13Click();                                        // no text answer: cancelled
    EXPECT_EQ(ui.inputs.back(), "Ihre Glückszahl (1-99999999)?: 0");  // 99999 × 1 / 2^32
    EXPECT_EQ(form.random.state(), 0u);
    EXPECT_EQ(ui.questions.size(), 1u);

    clock.counter = 0x1234567890;
    form.statusPanels[1] = "";
    ui.textAnswers.push_back("Glück");
    form.SpeedButton13Click();
    EXPECT_EQ(form.random.state(), 0x34567890u);
    EXPECT_EQ(form.statusPanels[1], "");
    EXPECT_EQ(ui.questions.size(), 1u);
}

TEST_F(TForm1GeneratorTest, AFailingLuckyRunIsSwallowedAndReseeds) {
    std::remove(form.history().path().c_str());
    clock.counter = 77;
    ui.textAnswers.push_back("42");
    ui.yesNoAnswers.push_back(true);
    EXPECT_NO_THROW(form.SpeedButton13Click());
    EXPECT_EQ(form.random.state(), 77u);
    EXPECT_TRUE(form.sortieren);
}

TEST_F(TForm1GeneratorTest, RunLimitFollowsItsSpinBoxOnly) {
    form.upDown[7].setPosition(101);
    form.UpDown7Changing();
    EXPECT_EQ(form.LaufMax, 101000);
    form.upDown[8].setPosition(3);
    form.UpDown7Changing();
    EXPECT_EQ(form.LaufMax, 101000);
}

TEST_F(TForm1GeneratorTest, HistoryTestLeavesAnEmptyChartAndTheStartDate) {
    const DrawRecord& first = draws.front();
    const bool free = form.Secheroderfuenfer(first.Zahlen[0], first.Zahlen[1], first.Zahlen[2],
                                             first.Zahlen[3], first.Zahlen[4], 0);
    EXPECT_FALSE(free);  // five of the first draw
    EXPECT_EQ(form.Series2.count(), 0);
    EXPECT_EQ(form.aktDatum, form.DateTimePicker2.date);
    EXPECT_EQ(form.current.Datum1, first.Datum);
}

}  // namespace
}  // namespace varo
