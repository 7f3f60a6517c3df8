// The page "Datenbank": the history's maintenance, the check date and the group statistics.
#include <QPlainTextEdit>

#include <tuple>

#include "gui/Icons.h"
#include "gui/MainWindow.h"
#include "gui/QtDates.h"
#include "gui/WidgetFactory.h"

namespace varo {

QWidget* MainWindow::buildDatabasePage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet4");

    widgets::button(page, "BitBtn1", "Datenbank aktualisieren", {12, 12, 200, 28});
    widgets::imageButton(page, "SpeedButton8", icons::stop(), "Stoppt das Einlesen",
                         {218, 12, 28, 28})
        ->setVisible(false);
    widgets::button(page, "BitBtn2", "Datenbank neu anlegen", {12, 46, 200, 28},
                    "Beim neu anlegen der Datenbank, wird mit dem Einlesen bei dem Eingestellten "
                    "Datum begonnen. Ein Datum bis 1955 ist möglich.");

    label29_ = widgets::valueLabel(page, "Label29", "Ziehung", {12, 92, 270, 22});
    checkDate_ =
        widgets::datePicker(page, "DateTimePicker1", "Datum der Ziehung", {12, 118, 110, 24});
    connect(checkDate_, &QDateEdit::dateChanged, this,
            [this](const QDate& date) { form_.DateTimePicker1.setDate(serialFromDate(date)); });
    auto* select = widgets::imageButton(page, "SpeedButton5", icons::search(),
                                        "Bewertung des Tipps für die Ziehung des gewählten Datums",
                                        {128, 116, 28, 28});
    bindClick(select, &TForm1::SpeedButton5Click);
    widgets::button(page, "BitBtn6", "Löschen", {12, 156, 96, 28});
    widgets::button(page, "BitBtn8", "Eingeben", {116, 156, 96, 28});
    widgets::button(page, "BitBtn3", "Export nach Text", {12, 196, 200, 28});

    const std::tuple<const char*, const char*, void (TForm1::*)()> statistics[] = {
        {"Button2", "Paare suchen", &TForm1::Button2Click},
        {"Button3", "Dreier suchen", &TForm1::Button3Click},
        {"Button4", "Vierer suchen", &TForm1::Button4Click},
        {"Button5", "Ausstehende", &TForm1::Button5Click},
    };
    int y = 12;
    for (const auto& [name, caption, handler] : statistics) {
        auto* button = widgets::button(page, name, caption, {300, y, 200, 28});
        bindClick(button, handler);
        y += 34;
    }

    widgets::label(page, "Label57", "Max.Berechnungsläufe", {300, 200, 200, 20});
    bindSpinBox(
        widgets::spinBox(page, "UpDown7", "Edit55", "Max.Berechnungsläufe", {300, 222, 80, 24}), 7);
    widgets::label(page, "Label58", "Tausend", {388, 224, 80, 20});

    // A scratch text buffer of the update and the printout; never shown.
    auto* memo = new QPlainTextEdit("Memo1", page);
    memo->setObjectName("Memo1");
    memo->setVisible(false);
    return page;
}

}  // namespace varo
