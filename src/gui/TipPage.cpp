// The page "Lottotipp": the tip sheet with the draw line above and the run's buttons below.
#include <QFocusEvent>
#include <QLabel>

#include <functional>

#include "gui/ClickableLabel.h"
#include "gui/Icons.h"
#include "gui/MainWindow.h"
#include "gui/WidgetFactory.h"
#include "tipsheet/TipSheetNames.h"

namespace varo {
namespace {

constexpr int kGridTop = 38;
constexpr int kRowHeight = 22;
constexpr int kCellLeft = 80;
constexpr int kCellStep = 34;

QString latin(const std::string& text) {
    return QString::fromStdString(text);
}

// Reports a cell's exit: the focus moved to another control of the window. Focus lost to
// another window or a popup is no exit.
class CellExitFilter : public QObject {
  public:
    CellExitFilter(QObject* parent, std::function<void()> onExit)
        : QObject(parent), onExit_(std::move(onExit)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) onExit_();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> onExit_;
};

}  // namespace

QWidget* MainWindow::buildTipPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet1");

    auto* left = new VerticalLabel("www.morvelt.example", page);
    left->setObjectName("PanelLeft");
    left->setGeometry(0, 0, 16, 385);
    auto* right = new VerticalLabel("M o r v e l t s   V a r o     V 2 . 3", page);
    right->setObjectName("PanelRight");
    right->setGeometry(499, 0, 16, 385);

    widgets::imageButton(page, "SpeedButton10", icons::update(), "Datenbank aktualisieren",
                         {18, 5, 26, 26});
    auto* back = widgets::imageButton(page, "SpeedButton6", icons::stepBack(),
                                      QString::fromUtf8("Vorherige Ziehung"), {46, 6, 24, 24});
    label35_ = widgets::valueLabel(page, "Label35", "Ziehung", {70, 5, 298, 26});
    QFont bold = label35_->font();
    bold.setBold(true);
    label35_->setFont(bold);
    label35_->setAlignment(Qt::AlignCenter);
    auto* forward = widgets::imageButton(page, "SpeedButton7", icons::stepForward(),
                                         QString::fromUtf8("Nächste Ziehung"), {368, 6, 24, 24});
    label13_ = widgets::valueLabel(page, "Label13", "Quersumme der Ziehung", {396, 5, 102, 26});

    // The weekday options of the draw readers: never shown, changed or stored.
    auto* sunday = widgets::checkBox(page, "CheckBox16", "Sonntag Ziehungen", {392, 200, 100, 20});
    auto* wednesday =
        widgets::checkBox(page, "CheckBox17", "Mittwoch Ziehungen", {392, 222, 100, 20});
    sunday->setVisible(false);
    wednesday->setVisible(false);
    bindCheckBox(sunday, 16);
    bindCheckBox(wednesday, 17);

    buildTipGrid(page);

    widgets::button(
        page, "SpeedButton4", "Tipps in DB suchen", {372, 38, 124, 26},
        QString::fromUtf8("Hier können Sie suchen ob dieser Tipp schon einmal gezagen würde"));
    auto* distribution =
        widgets::button(page, "SpeedButton1", "Tippverteilung", {372, 70, 124, 26});
    bindClick(distribution, &TForm1::Button6Click);
    widgets::button(
        page, "SpeedButton3", "Tipp drucken", {372, 102, 124, 26},
        QString::fromUtf8("Der Tipp wurd als Textgespeichert und angezeigt. Kann natürlich "
                          "auch gedrucktwerden und zur annahmestelle gebracht werden."));
    widgets::button(page, "SpeedButton12", "auf Tippschein drucken", {372, 134, 124, 26})
        ->setVisible(false);

    const int belowGrid = kGridTop + kTipCount * kRowHeight + 4;
    auto* clear =
        widgets::imageButton(page, "SpeedButton11", icons::clear(),
                             QString::fromUtf8("Löschen aller Tipps"), {22, belowGrid, 28, 28});
    widgets::imageButton(page, "SpeedButton15", icons::save(), "Speichern des Tipps",
                         {54, belowGrid, 28, 28});
    widgets::imageButton(page, "SpeedButton16", icons::load(), "Laden des Tipps",
                         {86, belowGrid, 28, 28});

    bindClick(back, &TForm1::SpeedButton6Click);
    bindClick(forward, &TForm1::SpeedButton7Click);
    bindClick(clear, &TForm1::SpeedButton11Click);

    bindSpinBox(widgets::spinBox(page, "UpDown8", "Edit80", "Anzahl der Tipps", {22, 350, 50, 24}),
                8);
    auto* compute = widgets::button(
        page, "BitBtn4", "Tipps berechnen", {80, 348, 132, 28},
        "Die eingestellt Anzahl von Tipps wird mit den vorgegebenen Parametern berechnet");
    bindClick(compute, &TForm1::Label28Click);
    auto* lucky = widgets::imageButton(
        page, "SpeedButton13", icons::luckyNumber(),
        QString::fromUtf8("Hier können Sie den Zufall etwas nachhelfen und wirklich "
                          "Ihren Tipp generieren"),
        {218, 348, 28, 28});
    bindClick(lucky, &TForm1::SpeedButton13Click);
    auto* close =
        widgets::button(page, "BitBtn5", QString::fromUtf8("&Schließen"), {400, 348, 94, 28});
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return page;
}

}  // namespace varo

namespace varo {

void MainWindow::buildTipGrid(QWidget* page) {
    auto* exitFilter = new CellExitFilter(this, [this] { run([this] { form_.Edit1Exit(); }); });
    for (int tip = 1; tip <= kTipCount; ++tip) {
        const std::size_t row = static_cast<std::size_t>(tip - 1);
        const int y = kGridTop + (tip - 1) * kRowHeight;
        auto* rowLabel = new ClickableLabel(QString("%1. Tipp").arg(tip), page);
        rowLabel->setObjectName(latin(tipRowLabelName(tip)));
        rowLabel->setGeometry(22, y, 54, 20);
        rowLabel->setAccessibleDescription("Markierung umschalten");
        rowLabel->setCursor(Qt::PointingHandCursor);
        connect(rowLabel, &ClickableLabel::clicked, this,
                [this, tip] { run([this, tip] { form_.Label30Click(tip); }); });
        rowLabels_[row] = rowLabel;
        for (int position = 1; position <= kCellsPerTip; ++position) {
            const std::string name = tipCellName(tip, position);
            auto* cell = widgets::edit(page, name.c_str(),
                                       QString("%1. Tipp, Zahl %2").arg(tip).arg(position),
                                       {kCellLeft + (position - 1) * kCellStep, y, 30, 20});
            cell->setAlignment(Qt::AlignCenter);
            cell->setMaxLength(3);
            cell->installEventFilter(exitFilter);
            connect(cell, &QLineEdit::textEdited, this, [this, tip, position](const QString& text) {
                run([&] { form_.Edit1Change(tip, position, text.toStdString()); });
            });
            cells_[row][static_cast<std::size_t>(position - 1)] = cell;
        }
        hitsLabels_[row] =
            widgets::valueLabel(page, tipHitsLabelName(tip).c_str(),
                                QString("%1. Tipp Treffer").arg(tip), {284, y, 50, 20});
        sumLabels_[row] =
            widgets::valueLabel(page, tipSumLabelName(tip).c_str(),
                                QString("%1. Tipp Quersumme").arg(tip), {336, y, 32, 20});
    }
}

}  // namespace varo
