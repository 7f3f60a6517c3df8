// The page "Diagramm": the statistics' tool bar and the bar chart.
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/BarChartView.h"
#include "gui/Icons.h"
#include "gui/MainWindow.h"
#include "gui/QtDates.h"
#include "gui/WidgetFactory.h"

namespace varo {

QWidget* MainWindow::buildChartPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet5");

    auto* toolBar = new QWidget(page);
    toolBar->setObjectName("ToolBar1");
    auto* tools = new QHBoxLayout(toolBar);
    tools->setContentsMargins(2, 2, 2, 2);
    tools->setSpacing(2);

    auto* frequency =
        widgets::imageButton(toolBar, "SpeedButton2", icons::frequency(),
                             QString::fromUtf8("Häufigkeit der gezogenen Zahlen"), {0, 0, 28, 28});
    bindClick(frequency, &TForm1::SpeedButton2Click);
    tools->addWidget(frequency);

    struct Tool {
        const char* name;
        const char* caption;
        const char* hint;
        void (TForm1::*handler)();
    };
    const Tool textTools[] = {
        {"SpeedButton9", "QS", "Verteilung der Quersumme der Ziehungen",
         &TForm1::SpeedButton9Click},
        {"SpeedButton19", "2er", nullptr, &TForm1::Button2Click},
        {"SpeedButton17", "3er", nullptr, &TForm1::Button3Click},
        {"SpeedButton18", "4er", nullptr, &TForm1::Button4Click},
        {"SpeedButton20", "Ausstehende", nullptr, &TForm1::Button5Click},
    };
    for (const Tool& tool : textTools) {
        auto* button = new QToolButton(toolBar);
        button->setObjectName(tool.name);
        button->setText(tool.caption);
        button->setAccessibleName(tool.caption);
        button->setAutoRaise(true);
        button->setMinimumHeight(28);
        if (tool.hint) button->setToolTip(QString::fromUtf8(tool.hint));
        bindClick(button, tool.handler);
        tools->addWidget(button);
    }
    tools->addStretch(1);

    startDate_ = widgets::datePicker(toolBar, "DateTimePicker2", "Startdatum der Statistik",
                                     {0, 0, 110, 24});
    startDate_->setToolTip("Startdatum der Statistik");
    connect(startDate_, &QDateEdit::dateChanged, this,
            [this](const QDate& date) { form_.DateTimePicker2.setDate(serialFromDate(date)); });
    tools->addWidget(startDate_);

    chart_ = new BarChartView(form_.Series2, page);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(chart_, 1);
    return page;
}

}  // namespace varo
