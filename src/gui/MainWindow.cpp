#include "gui/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include "gui/BarChartView.h"
#include "gui/PageScaler.h"
#include "gui/QtDates.h"
#include "platform/qt/QtUi.h"

namespace varo {
namespace {

constexpr Page kPageOrder[] = {Page::TabSheet1, Page::TabSheet2, Page::TabSheet6,
                               Page::TabSheet5, Page::TabSheet4, Page::TabSheet3};

int tabIndexOf(Page page) {
    for (int i = 0; i < 6; ++i)
        if (kPageOrder[i] == page) return i;
    return 0;
}

void setDateQuietly(QDateEdit* edit, const DatePicker& picker) {
    const QSignalBlocker block(edit);
    edit->setMinimumDate(dateFromSerial(picker.minDate));
    edit->setDate(dateFromSerial(picker.date));
}

}  // namespace

MainWindow::MainWindow(TForm1& form, QWidget* parent) : QMainWindow(parent), form_(form) {
    setObjectName("Form1");
    setWindowTitle(QString::fromUtf8("Morvelts Varo - Kenner für die Auswahlwette 6 aus 45"));

    pages_ = new QTabWidget(this);
    pages_->setObjectName("PageControl1");
    pages_->setAccessibleName("Seiten");
    // Five tabs share 527 pixels; the style's wide padding would push the last one out of view.
    pages_->setStyleSheet("QTabBar::tab { padding: 4px 7px; }");
    pages_->addTab(buildTipPage(), "Lottotipp");
    auto* lastDraw = new QWidget;
    lastDraw->setObjectName("TabSheet2");
    pages_->addTab(lastDraw, "Zahlen der letzten Ziehung");
    pages_->setTabVisible(1, false);
    pages_->addTab(buildOptionsPage(), "Berechnungs-Optionen");
    pages_->addTab(buildChartPage(), "Diagramm");
    pages_->addTab(buildDatabasePage(), "Datenbank");
    pages_->addTab(buildInternetPage(), "Internet-Optionen");
    setCentralWidget(pages_);
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0 && index < 6) form_.activePage = kPageOrder[index];
    });

    buildStatusBar();
    scaler_ = std::make_unique<PageScaler>(pages_);

    resize(kDesignClientWidth, kDesignClientHeight);
    move(366, 200);

    form_.setChangeListener([this](FormPart part) { refresh(part); });
    refresh(FormPart::All);
}

MainWindow::~MainWindow() {
    form_.setChangeListener(nullptr);
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(false);
    const char* descriptions[] = {"Status", "Meldung"};
    for (int i = 0; i < 2; ++i) {
        auto* panel = new QLabel(bar);
        panel->setAccessibleDescription(descriptions[i]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        statusPanels_[i] = panel;
    }
    statusPanels_[0]->setFixedWidth(150);
    statusPanels_[1]->setMinimumWidth(50);
    bar->addWidget(statusPanels_[0]);
    bar->addWidget(statusPanels_[1], 1);
}

void MainWindow::scalePages(double ratio) {
    scaler_->scaleBy(ratio);
}

void MainWindow::run(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle),
                        QString::fromStdString(error.what()), QMessageBox::Ok, this);
        box.exec();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    run([this] { form_.FormClose(); });
    event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    run([this] { form_.FormResize(height()); });
}

void MainWindow::bindClick(QAbstractButton* button, void (TForm1::*handler)()) {
    TForm1* form = &form_;
    connect(button, &QAbstractButton::clicked, this,
            [this, form, handler] { run([form, handler] { (form->*handler)(); }); });
}

void MainWindow::bindCheckBox(QCheckBox* box, int number) {
    checkBoxes_[static_cast<std::size_t>(number)] = box;
    connect(box, &QCheckBox::toggled, this, [this, number](bool checked) {
        form_.checkBox[static_cast<std::size_t>(number)] = checked;
    });
}

void MainWindow::bindSpinBox(QSpinBox* box, int number) {
    spinBoxes_[static_cast<std::size_t>(number)] = box;
    connect(box, &QSpinBox::valueChanged, this, [this, number](int value) {
        form_.upDown[static_cast<std::size_t>(number)].setPosition(value);
        if (number == 7 || number == 8) run([this] { form_.UpDown7Changing(); });
    });
}

void MainWindow::bindEdit(QLineEdit* edit, std::string TForm1::*field) {
    boundEdits_.emplace_back(edit, field);
    connect(edit, &QLineEdit::textEdited, this,
            [this, field](const QString& text) { form_.*field = text.toStdString(); });
}

void MainWindow::refresh(FormPart part) {
    switch (part) {
        case FormPart::All:
            refreshOptions();
            refreshDrawLines();
            refreshStatus();
            refreshPage();
            refreshTipSheet();
            chart_->update();
            break;
        case FormPart::Chart:
            chart_->update();
            break;
        case FormPart::Page:
            refreshPage();
            break;
        case FormPart::Status:
            // The generator sets a status text for every candidate, thousands a second; the
            // panels take the newest text when the window is painted next.
            if (!statusPending_) {
                statusPending_ = true;
                QTimer::singleShot(0, this, [this] { flushPendingRefresh(); });
            }
            break;
        case FormPart::DrawLines:
            refreshDrawLines();
            break;
        case FormPart::Options:
            refreshOptions();
            break;
        case FormPart::TipSheet:
            refreshTipSheet();
            break;
    }
}

void MainWindow::refreshOptions() {
    for (std::size_t n = 1; n < checkBoxes_.size(); ++n) {
        if (!checkBoxes_[n]) continue;
        const QSignalBlocker block(checkBoxes_[n]);
        checkBoxes_[n]->setChecked(form_.checkBox[n]);
    }
    for (std::size_t n = 1; n < spinBoxes_.size(); ++n) {
        if (!spinBoxes_[n]) continue;
        const QSignalBlocker block(spinBoxes_[n]);
        spinBoxes_[n]->setRange(form_.upDown[n].minimum, form_.upDown[n].maximum);
        spinBoxes_[n]->setValue(form_.upDown[n].position);
    }
    setDateQuietly(checkDate_, form_.DateTimePicker1);
    setDateQuietly(startDate_, form_.DateTimePicker2);
    for (auto& [edit, field] : boundEdits_) {
        const QString text = QString::fromStdString(form_.*field);
        if (edit->text() != text) {
            const QSignalBlocker block(edit);
            edit->setText(text);
        }
    }
}

void MainWindow::refreshTipSheet() {
    const QPalette normal = QApplication::palette();
    auto cellColour = [&normal](CellColour colour) {
        switch (colour) {
            case CellColour::Lime:
                return QColor(0, 255, 0);
            case CellColour::Yellow:
                return QColor(255, 255, 0);
            case CellColour::Window:
                break;
        }
        return normal.color(QPalette::Base);
    };
    auto textColour = [&normal](TextColour colour) {
        switch (colour) {
            case TextColour::Red:
                return QColor(255, 0, 0);
            case TextColour::Black:
                return QColor(0, 0, 0);
            case TextColour::WindowText:
                break;
        }
        return normal.color(QPalette::WindowText);
    };
    auto setColour = [](QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
        if (widget->palette().color(role) == colour) return;
        QPalette palette = widget->palette();
        palette.setColor(role, colour);
        widget->setPalette(palette);
    };
    for (int tip = 1; tip <= kTipCount; ++tip) {
        const TipRow& row = form_.tips.row(tip);
        const auto r = static_cast<std::size_t>(tip - 1);
        for (std::size_t p = 0; p < kCellsPerTip; ++p) {
            QLineEdit* cell = cells_[r][p];
            const QString text = QString::fromStdString(row.cells[p]);
            if (cell->text() != text) cell->setText(text);
            setColour(cell, QPalette::Base, cellColour(row.colours[p]));
        }
        setColour(rowLabels_[r], QPalette::WindowText, textColour(row.labelColour));
        hitsLabels_[r]->setText(QString::fromStdString(row.hits));
        setColour(hitsLabels_[r], QPalette::WindowText, textColour(row.hitsColour));
        sumLabels_[r]->setText(QString::fromStdString(row.sum));
    }
}

void MainWindow::refreshDrawLines() {
    label35_->setText(QString::fromStdString(form_.Label35));
    label29_->setText(QString::fromStdString(form_.Label29));
    label13_->setText(QString::fromStdString(form_.Label13));
}

void MainWindow::flushPendingRefresh() {
    if (!statusPending_) return;
    statusPending_ = false;
    refreshStatus();
}

void MainWindow::refreshStatus() {
    for (std::size_t i = 0; i < statusPanels_.size(); ++i)
        statusPanels_[i]->setText(QString::fromStdString(form_.statusPanels[i]));
}

void MainWindow::refreshPage() {
    const QSignalBlocker block(pages_);
    pages_->setCurrentIndex(tabIndexOf(form_.activePage));
}

}  // namespace varo
