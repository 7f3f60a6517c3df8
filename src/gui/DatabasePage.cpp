// The page "Datenbank": the history's maintenance, the check date and the group statistics.
#include <QPlainTextEdit>

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
    widgets::imageButton(page, "SpeedButton5", icons::search(),
                         "Bewertung des Tipps für die Ziehung des gewählten Datums",
                         {128, 116, 28, 28});
    widgets::button(page, "BitBtn6", "Löschen", {12, 156, 96, 28});
    widgets::button(page, "BitBtn8", "Eingeben", {116, 156, 96, 28});
    widgets::button(page, "BitBtn3", "Export nach Text", {12, 196, 200, 28});

    widgets::button(page, "Button2", "Paare suchen", {300, 12, 200, 28});
    widgets::button(page, "Button3", "Dreier suchen", {300, 46, 200, 28});
    widgets::button(page, "Button4", "Vierer suchen", {300, 80, 200, 28});
    widgets::button(page, "Button5", "Ausstehende", {300, 114, 200, 28});

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
