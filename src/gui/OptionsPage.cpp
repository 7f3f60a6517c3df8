// The page "Berechnungs-Optionen": the generator's options.
#include <QStyle>
#include <QStyleOptionButton>

#include <map>

#include "gui/MainWindow.h"
#include "gui/WidgetFactory.h"

namespace varo {
namespace {

constexpr int kLeft = 8;
constexpr int kRowTop = 8;
constexpr int kRowStep = 25;

int rowY(int row) {
    return kRowTop + row * kRowStep;
}

// The spin boxes sit in the gaps that the captions leave with runs of blanks; the gap is
// measured in the caption's own font so that it lines up at every scale.
QRect gapAfter(const QWidget* owner, int captionLeft, int y, const QString& before, int blanks) {
    const QFontMetrics metrics(owner->font());
    const int gapLeft = captionLeft + metrics.horizontalAdvance(before);
    const int gapWidth = metrics.horizontalAdvance(QString(blanks, ' '));
    return {gapLeft + 5, y - 1, gapWidth - 10, 22};
}

// Where a check box draws its caption.
int captionLeftOf(const QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    return box->x() +
           box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).left();
}

}  // namespace

QWidget* MainWindow::buildOptionsPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet6");

    auto* sumLabel = widgets::label(
        page, "Label1", "Quersummer von                  bis                     im Tipp zulassen",
        {kLeft, rowY(0), 400, 20});
    bindSpinBox(widgets::spinBox(page, "UpDown1", "Edit37", "Quersumme von",
                                 gapAfter(sumLabel, kLeft, rowY(0), "Quersummer von", 18)),
                1);
    bindSpinBox(widgets::spinBox(
                    page, "UpDown2", "Edit38", "Quersumme bis",
                    gapAfter(sumLabel, kLeft, rowY(0), "Quersummer von                  bis", 21)),
                2);

    struct Row {
        int number;
        const char* name;
        const char* caption;
        int width = 505;  // narrower where "seltensten" follows
    };
    const Row rows[] = {
        {2, "CheckBox2", "Zahlen die besonders oft gezogen wurden bevorzugen"},
        {10, "CheckBox10",
         "Zahlen die am längsten überfällig, als nicht gezogen wurden bevorzugen"},
        {14, "CheckBox14", "Zahlen die besonders selten gezogen wurden bevorzugen"},
        {3, "CheckBox3", "maximal                    Übereinstimmungen mit anderen Tipps"},
        {4, "CheckBox4", "maximal                    Zahl der letzten Ziehung zulassen"},
        {5, "CheckBox5", "maximal                    Zahl der vorletzten Ziehung zulassen"},
        {18, "CheckBox18", "keine Dreie, Vierer... Paare"},
        {8, "CheckBox8", "eine Paarbildung pro Tipp erzwingen"},
        {1, "CheckBox1", "Zahlen mit einer häufigen Paarebildung bevorzugen", 400},
        {6, "CheckBox6", "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen", 400},
        {7, "CheckBox7", "Zahlen mit einer häufigen Viergruppenbildung bevorzugen", 400},
        {9, "CheckBox9", "Tipp darf noch keinen              er aus der Datenbank entsprechen"},
        {15, "CheckBox15", "für den Tipp nur bevorzugte Zahlen verwenden!"},
    };
    std::map<int, QCheckBox*> boxByNumber;
    int row = 1;
    for (const Row& r : rows) {
        auto* box = widgets::checkBox(page, r.name, QString::fromUtf8(r.caption),
                                      {kLeft, rowY(row), r.width, 22});
        bindCheckBox(box, r.number);
        boxByNumber[r.number] = box;
        ++row;
    }

    // Spin boxes inside the captions' gaps.
    struct Gap {
        int checkBox;
        int upDown;
        const char* upDownName;
        const char* editName;
        const char* accessible;
        const char* before;
        int blanks;
    };
    const Gap gaps[] = {
        {3, 3, "UpDown3", "Edit39", "maximal Übereinstimmungen mit anderen Tipps", "maximal", 20},
        {4, 4, "UpDown4", "Edit40", "maximal Zahl der letzten Ziehung", "maximal", 20},
        {5, 5, "UpDown5", "Edit41", "maximal Zahl der vorletzten Ziehung", "maximal", 20},
        {9, 6, "UpDown6", "Edit42", "Tipp darf noch keinen er aus der Datenbank entsprechen",
         "Tipp darf noch keinen", 14},
    };
    for (const Gap& g : gaps) {
        const QCheckBox* owner = boxByNumber.at(g.checkBox);
        auto* box = widgets::spinBox(
            page, g.upDownName, g.editName, QString::fromUtf8(g.accessible),
            gapAfter(owner, captionLeftOf(owner), owner->y() + 1, g.before, g.blanks));
        bindSpinBox(box, g.upDown);
    }

    // "seltensten": the rarest groups instead of the most frequent ones.
    const Row rarest[] = {{11, "CheckBox11", "seltensten"},
                          {12, "CheckBox12", "seltensten"},
                          {13, "CheckBox13", "seltensten"}};
    for (int i = 0; i < 3; ++i) {
        auto* box =
            widgets::checkBox(page, rarest[i].name, rarest[i].caption, {412, rowY(9 + i), 96, 22});
        box->setAccessibleName(QString::fromUtf8("seltensten %1")
                                   .arg(i == 0   ? "Paare"
                                        : i == 1 ? "Dreier"
                                                 : "Vierer"));
        bindCheckBox(box, rarest[i].number);
    }
    return page;
}

}  // namespace varo
