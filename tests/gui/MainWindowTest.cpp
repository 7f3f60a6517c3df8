#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include <csignal>

#include "gui/BarChartView.h"
#include "gui/GuiFixture.h"
#include "gui/QtDates.h"
#include "support/HistoryFixture.h"

namespace varo {
namespace {

class MainWindowTest : public test::GuiFixture {};

TEST_F(MainWindowTest, WindowHasItsCaptionSizeAndPagesInTabOrder) {
    start();
    EXPECT_EQ(window->windowTitle(),
              QString::fromUtf8("Morvelts Varo - Kenner für die Auswahlwette 6 aus 45"));
    EXPECT_EQ(window->size(), QSize(527, 440));
    EXPECT_EQ(QApplication::applicationDisplayName(), "Morvelts Lotto");

    QTabWidget* pages = window->pages();
    const char* expected[][2] = {{"TabSheet1", "Lottotipp"},
                                 {"TabSheet2", "Zahlen der letzten Ziehung"},
                                 {"TabSheet6", "Berechnungs-Optionen"},
                                 {"TabSheet5", "Diagramm"},
                                 {"TabSheet4", "Datenbank"},
                                 {"TabSheet3", "Internet-Optionen"}};
    ASSERT_EQ(pages->count(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), expected[i][0]);
        EXPECT_EQ(pages->tabText(i), QString::fromUtf8(expected[i][1]));
        EXPECT_EQ(pages->isTabVisible(i), i != 1);
    }
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(QApplication::font().pixelSize(), 13);
}

TEST_F(MainWindowTest, ControlsCarryTheirCaptionsHintsAndVisibility) {
    start();
    struct Control {
        const char* name;
        const char* caption;  // nullptr: an image button
        const char* hint;     // nullptr: none
        bool visible;
    };
    const Control controls[] = {
        {"SpeedButton11", nullptr, "Löschen aller Tipps", true},
        {"SpeedButton15", nullptr, "Speichern des Tipps", true},
        {"SpeedButton16", nullptr, "Laden des Tipps", true},
        {"SpeedButton4", "Tipps in DB suchen",
         "Hier können Sie suchen ob dieser Tipp schon einmal gezagen würde", true},
        {"SpeedButton1", "Tippverteilung", nullptr, true},
        {"SpeedButton3", "Tipp drucken",
         "Der Tipp wurd als Textgespeichert und angezeigt. Kann natürlich auch gedrucktwerden und "
         "zur annahmestelle gebracht werden.",
         true},
        {"SpeedButton12", "auf Tippschein drucken", nullptr, false},
        {"BitBtn4", "Tipps berechnen",
         "Die eingestellt Anzahl von Tipps wird mit den vorgegebenen Parametern berechnet", true},
        {"SpeedButton13", nullptr,
         "Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren", true},
        {"BitBtn5", "&Schließen", nullptr, true},
        {"SpeedButton2", nullptr, "Häufigkeit der gezogenen Zahlen", true},
        {"SpeedButton9", "QS", "Verteilung der Quersumme der Ziehungen", true},
        {"SpeedButton19", "2er", nullptr, true},
        {"SpeedButton17", "3er", nullptr, true},
        {"SpeedButton18", "4er", nullptr, true},
        {"SpeedButton20", "Ausstehende", nullptr, true},
        {"BitBtn1", "Datenbank aktualisieren", nullptr, true},
        {"SpeedButton8", nullptr, "Stoppt das Einlesen", false},
        {"BitBtn2", "Datenbank neu anlegen",
         "Beim neu anlegen der Datenbank, wird mit dem Einlesen bei dem Eingestellten Datum "
         "begonnen. Ein Datum bis 1955 ist möglich.",
         true},
        {"SpeedButton5", nullptr, "Bewertung des Tipps für die Ziehung des gewählten Datums", true},
        {"BitBtn6", "Löschen", nullptr, true},
        {"BitBtn8", "Eingeben", nullptr, true},
        {"BitBtn3", "Export nach Text", nullptr, true},
        {"Button2", "Paare suchen", nullptr, true},
        {"Button3", "Dreier suchen", nullptr, true},
        {"Button4", "Vierer suchen", nullptr, true},
        {"Button5", "Ausstehende", nullptr, true},
    };
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name);
        auto* button = find<QAbstractButton>(c.name);
        ASSERT_NE(button, nullptr);
        if (c.caption)
            EXPECT_EQ(button->text(), QString::fromUtf8(c.caption));
        else
            EXPECT_FALSE(button->icon().isNull());
        EXPECT_EQ(button->toolTip(), c.hint ? QString::fromUtf8(c.hint) : QString());
        EXPECT_EQ(button->isHidden() == false, c.visible);
        EXPECT_FALSE(button->accessibleName().isEmpty());
    }
}

TEST_F(MainWindowTest, OptionControlsShowTheirCaptionsAndDesignValues) {
    start();
    const std::pair<const char*, const char*> labels[] = {
        {"Label1", "Quersummer von                  bis                     im Tipp zulassen"},
        {"Label57", "Max.Berechnungsläufe"},
        {"Label58", "Tausend"},
        {"Label12", "Temp-Datei für Internetabruf"},
        {"Label10", "Proxy-Server"},
        {"Label11", "Porxy-Port"},
        {"Label51", "Updates und die neueste Version gibt es bei:"},
        {"Label53", "Die aktuellen Ziehungen und Quoten finden unter:"},
    };
    for (const auto& [name, text] : labels) {
        auto* label = find<QLabel>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), QString::fromUtf8(text));
    }

    struct Box {
        const char* name;
        const char* caption;
        bool checked;
        bool visible;
    };
    const Box boxes[] = {
        {"CheckBox2", "Zahlen die besonders oft gezogen wurden bevorzugen", true, true},
        {"CheckBox10", "Zahlen die am längsten überfällig, als nicht gezogen wurden bevorzugen",
         true, true},
        {"CheckBox14", "Zahlen die besonders selten gezogen wurden bevorzugen", true, true},
        {"CheckBox3", "maximal                    Übereinstimmungen mit anderen Tipps", true, true},
        {"CheckBox4", "maximal                    Zahl der letzten Ziehung zulassen", true, true},
        {"CheckBox5", "maximal                    Zahl der vorletzten Ziehung zulassen", true,
         true},
        {"CheckBox18", "keine Dreie, Vierer... Paare", true, true},
        {"CheckBox8", "eine Paarbildung pro Tipp erzwingen", true, true},
        {"CheckBox1", "Zahlen mit einer häufigen Paarebildung bevorzugen", false, true},
        {"CheckBox11", "seltensten", false, true},
        {"CheckBox6", "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen", false, true},
        {"CheckBox12", "seltensten", false, true},
        {"CheckBox7", "Zahlen mit einer häufigen Viergruppenbildung bevorzugen", false, true},
        {"CheckBox13", "seltensten", false, true},
        {"CheckBox9", "Tipp darf noch keinen              er aus der Datenbank entsprechen", true,
         true},
        {"CheckBox15", "für den Tipp nur bevorzugte Zahlen verwenden!", false, true},
        {"CheckBox16", "Sonntag Ziehungen", true, false},
        {"CheckBox17", "Mittwoch Ziehungen", false, false},
    };
    for (const Box& b : boxes) {
        SCOPED_TRACE(b.name);
        auto* box = find<QCheckBox>(b.name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QString::fromUtf8(b.caption));
        EXPECT_EQ(box->isChecked(), b.checked);
        EXPECT_EQ(box->isHidden() == false, b.visible);
    }

    struct Spin {
        const char* upDown;
        const char* edit;
        int value, minimum, maximum;
    };
    const Spin spins[] = {{"UpDown1", "Edit37", 100, 21, 279},  {"UpDown2", "Edit38", 180, 21, 279},
                          {"UpDown3", "Edit39", 3, 0, 5},       {"UpDown4", "Edit40", 0, 0, 5},
                          {"UpDown5", "Edit41", 0, 0, 5},       {"UpDown6", "Edit42", 5, 3, 6},
                          {"UpDown7", "Edit55", 100, 1, 10000}, {"UpDown8", "Edit80", 12, 1, 12}};
    for (const Spin& s : spins) {
        SCOPED_TRACE(s.upDown);
        auto* spin = find<QSpinBox>(s.upDown);
        ASSERT_NE(spin, nullptr);
        EXPECT_EQ(spin->value(), s.value);
        EXPECT_EQ(spin->minimum(), s.minimum);
        EXPECT_EQ(spin->maximum(), s.maximum);
        EXPECT_NE(spin->findChild<QLineEdit*>(s.edit), nullptr);
    }

    EXPECT_EQ(find<QLineEdit>("FileNameEdit")->text(), "Lotto.html");
    EXPECT_EQ(find<QLineEdit>("ProxyPortEdit")->text(), "80");
    EXPECT_FALSE(find<QLineEdit>("URLEdit")->isHidden() == false);
    EXPECT_FALSE(find<QLineEdit>("URLEdit")->isEnabled());
    EXPECT_EQ(find<QDateEdit>("DateTimePicker2")->date(), QDate(1962, 10, 14));
    EXPECT_EQ(find<QDateEdit>("DateTimePicker2")->minimumDate(), QDate(1962, 10, 14));
    EXPECT_EQ(find<QDateEdit>("DateTimePicker1")->date(), QDate(2026, 12, 10));
    EXPECT_EQ(find<QDateEdit>("DateTimePicker1")->minimumDate(), QDate(1962, 10, 7));
    EXPECT_EQ(find<QLineEdit>("Edit65")->accessibleName(), "10. Tipp, Zahl 4");
}

TEST_F(MainWindowTest, UserChangesReachTheForm) {
    start();
    find<QCheckBox>("CheckBox15")->click();
    EXPECT_TRUE(form->checkBox[15]);
    find<QSpinBox>("UpDown3")->setValue(5);
    EXPECT_EQ(form->upDown[3].position, 5);
    find<QDateEdit>("DateTimePicker2")->setDate(QDate(2000, 1, 2));
    EXPECT_EQ(form->DateTimePicker2.date, serialFromDate(QDate(2000, 1, 2)));
    QTest::keyClicks(find<QLineEdit>("ProxyHostEdit"), "proxy.local");
    EXPECT_EQ(form->ProxyHostEdit, "proxy.local");
}

TEST_F(MainWindowTest, NumberFrequencyButtonDrawsTheChart) {
    folder.writeFile("varo.dat", test::historyBytes({test::draw(22933, {1, 2, 3, 4, 5, 6, 7, 0}),
                                                     test::draw(22940, {1, 9, 3, 4, 5, 6, 8, 0})}));
    start();
    form->Series2.clear();
    find<QAbstractButton>("SpeedButton2")->click();
    EXPECT_EQ(form->Series2.count(), 45);

    window->pages()->setCurrentIndex(3);
    auto* chart = find<BarChartView>("Chart1");
    ASSERT_NE(chart, nullptr);
    const QImage image = chart->grab().toImage();
    int green = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == QColor(0, 160, 0)) ++green;
    EXPECT_GT(green, 100);
}

TEST_F(MainWindowTest, AnErrorIsShownInTheBoxAndTheWindowStaysUsable) {
    start();  // no history file
    EXPECT_EQ(dialogTexts, QStringList{"Lesen Sie zuerst die Daten der Ziehungen ein"});
    find<QAbstractButton>("SpeedButton2")->click();
    ASSERT_EQ(dialogTexts.size(), 2);
    EXPECT_EQ(dialogTexts[1], "Datei nicht gefunden");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindowTest, LinkLabelOpensItsCaption) {
    start();
    auto* link = find<QLabel>("Label54");
    ASSERT_NE(link, nullptr);
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(QString::fromStdString(shell.opened[0]), link->text());
}

TEST_F(MainWindowTest, HeightChangeScalesControlsAndWidthChangeDoesNot) {
    start();
    auto* button = find<QAbstractButton>("BitBtn4");
    const QRect design = button->geometry();
    const int designFont = button->font().pixelSize();

    window->resize(700, 440);
    QApplication::processEvents();
    EXPECT_EQ(button->geometry(), design);
    EXPECT_EQ(button->font().pixelSize(), designFont);

    window->resize(527, 880);
    QApplication::processEvents();
    EXPECT_EQ(button->geometry(),
              QRect(design.x() * 2, design.y() * 2, design.width() * 2, design.height() * 2));
    EXPECT_EQ(button->font().pixelSize(), designFont * 2);

    window->resize(527, 440);
    QApplication::processEvents();
    EXPECT_EQ(button->geometry(), design);
}

TEST_F(MainWindowTest, TerminationSignalClosesTheWindow) {
    start();
    closeOnTerminationSignals(window.get());
    ASSERT_TRUE(window->isVisible());
    std::raise(SIGTERM);
    for (int i = 0; i < 50 && window->isVisible(); ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, QtTextsAreGerman) {
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
}

}  // namespace
}  // namespace varo

namespace varo {
namespace {

class StatisticButtonsTest : public test::GuiFixture {};

TEST_F(StatisticButtonsTest, EachButtonPublishesItsStatisticAndShowsTheChartWhereDue) {
    folder.writeFile("varo.dat", test::historyBytes({test::draw(22933, {1, 2, 3, 4, 5, 6, 7, 0}),
                                                     test::draw(22940, {1, 9, 3, 4, 5, 6, 8, 0})}));
    start();
    struct Case {
        const char* button;
        const char* captionStart;
        bool showsChart;
    };
    const Case cases[] = {
        {"SpeedButton19", "Bei 2 Ziehungen wurden", true},
        {"SpeedButton17", "Bei 2 Ziehungen wurden", true},
        {"SpeedButton18", "Bei 2 Ziehungen wurden", true},
        {"SpeedButton20", "Welche Zahl ist überfällig", true},
        {"SpeedButton9", "Quersummenverteilung", false},
        {"Button2", "Bei 2 Ziehungen wurden 8 Paare gefunden!", true},
        {"Button3", "Bei 2 Ziehungen wurden 6 Dreier gefunden!", true},
        {"Button4", "Bei 2 Ziehungen wurden 4 Vierer gefunden!", true},
        {"Button5", "Welche Zahl ist überfällig", true},
        {"SpeedButton1", "Zahlenverteilung des Tippes", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        window->pages()->setCurrentIndex(0);
        find<QAbstractButton>(c.button)->click();
        EXPECT_TRUE(QString::fromStdString(form->Series2.caption())
                        .startsWith(QString::fromUtf8(c.captionStart)));
        EXPECT_EQ(window->pages()->currentIndex(), c.showsChart ? 3 : 0);
    }
    EXPECT_TRUE(dialogTexts.isEmpty());
}

}  // namespace
}  // namespace varo
