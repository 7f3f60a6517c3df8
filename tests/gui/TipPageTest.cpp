#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include "gui/GuiFixture.h"
#include "support/HistoryFixture.h"

namespace varo {
namespace {

class TipPageTest : public test::GuiFixture {
  protected:
    void startWithOneDraw() {
        // Drawn 3 17 22 28 33 41, bonus 12.
        folder.writeFile("varo.dat",
                         test::historyBytes({test::draw(22933, {3, 17, 22, 28, 33, 41, 12, 0})}));
        start();
    }

    QLineEdit* cell(const char* name) { return find<QLineEdit>(name); }
};

TEST_F(TipPageTest, TypingIsValidatedKeyByKey) {
    startWithOneDraw();
    QLineEdit* edit = cell("Edit13");
    edit->setFocus();
    QTest::keyClicks(edit, "45");
    EXPECT_EQ(edit->text(), "45");
    QTest::keyClicks(edit, "6");
    EXPECT_EQ(edit->text(), "");
    QTest::keyClicks(edit, "0");
    EXPECT_EQ(edit->text(), "");
    QTest::keyClicks(edit, "07");
    EXPECT_EQ(edit->text(), "7");
    EXPECT_EQ(form->tips.cell(3, 1), "7");
}

TEST_F(TipPageTest, LeavingACellSortsChecksAndColoursTheRow) {
    startWithOneDraw();
    const char* names[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"};
    const char* typed[] = {"40", "22", "12", "3", "45", "17"};
    for (int i = 0; i < 6; ++i) {
        cell(names[i])->setFocus();
        QTest::keyClicks(cell(names[i]), typed[i]);
    }
    cell("Edit7")->setFocus();  // leaves Edit6
    QApplication::processEvents();

    const char* sorted[] = {"3", "12", "17", "22", "40", "45"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(cell(names[i])->text(), sorted[i]);
    EXPECT_EQ(cell("Edit1")->palette().color(QPalette::Base), QColor(0, 255, 0));
    EXPECT_EQ(cell("Edit2")->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(cell("Edit5")->palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::Base));
    auto* hits = find<QLabel>("Label22");
    EXPECT_EQ(hits->text(), "3 + Z");
    EXPECT_EQ(hits->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(find<QLabel>("Label36")->text(), "139");
    EXPECT_EQ(sound.played.size(), 0u);  // no sound file beside the program
}

TEST_F(TipPageTest, RowLabelMarksAndTheClearButtonKeepsMarkedTips) {
    startWithOneDraw();
    form->Edit1Change(2, 1, "5");
    form->Edit1Change(3, 1, "6");
    auto* label = find<QLabel>("Label30");
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    find<QAbstractButton>("SpeedButton11")->click();
    EXPECT_EQ(cell("Edit7")->text(), "5");
    EXPECT_EQ(cell("Edit13")->text(), "");
}

TEST_F(TipPageTest, DrawLineStandsOnBothPages) {
    startWithOneDraw();
    EXPECT_EQ(find<QLabel>("Label35")->text(), "So 14.10.62    3  17  22  28  33  41 Z:12");
    EXPECT_EQ(find<QLabel>("Label29")->text(), find<QLabel>("Label35")->text());
    EXPECT_EQ(find<QLabel>("Label13")->text(), "Quersumme: 144");
    find<QAbstractButton>("SpeedButton6")->click();
    find<QAbstractButton>("SpeedButton7")->click();
    EXPECT_EQ(find<QLabel>("Label35")->text(), "So 14.10.62    3  17  22  28  33  41 Z:12");
    EXPECT_TRUE(dialogTexts.isEmpty());
}

}  // namespace
}  // namespace varo

namespace varo {
namespace {

class GeneratorButtonsTest : public test::GuiFixture {};

TEST_F(GeneratorButtonsTest, ComputingFillsTheSheetAndReportsInTheStatusBar) {
    folder.writeFile("varo.dat", test::historyBytes(test::weeklyDraws(200)));
    start();
    find<QAbstractButton>("BitBtn4")->click();
    QApplication::processEvents();
    for (int tip = 1; tip <= 12; ++tip)
        EXPECT_TRUE(form->tips.present(tip)) << tip;
    EXPECT_FALSE(find<QLineEdit>("Edit79")->text().isEmpty());
    EXPECT_EQ(window->statusBar()->findChildren<QLabel*>()[1]->text(),
              "Tipps wurden neu berechnet");
    EXPECT_EQ(window->pages()->currentIndex(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(GeneratorButtonsTest, LuckyNumberStartAsksAndSetsTheState) {
    folder.writeFile("varo.dat", test::historyBytes(test::weeklyDraws(50)));
    start();
    find<QAbstractButton>("SpeedButton13")->click();  // both dialogs are closed: cancel, no
    QApplication::processEvents();
    ASSERT_EQ(dialogTexts.size(), 2);
    EXPECT_EQ(dialogTexts[1], "Soll der Tipp jetzt berechnet werden?");
    EXPECT_TRUE(QString::fromStdString(form->statusPanels[1]).startsWith("Glückszahl "));
    EXPECT_FALSE(form->tips.present(1));
}

}  // namespace
}  // namespace varo
