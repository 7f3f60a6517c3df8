// The page "Internet-Optionen": the proxy of the weekly update and the link labels.
#include "gui/ClickableLabel.h"
#include "gui/MainWindow.h"
#include "gui/WidgetFactory.h"

namespace varo {
namespace {

ClickableLabel* linkLabel(QWidget* page, const char* name, const QString& address,
                          const QRect& at) {
    auto* link = new ClickableLabel(address, page);
    link->setObjectName(name);
    link->setGeometry(at);
    link->setCursor(Qt::PointingHandCursor);
    link->setFocusPolicy(Qt::StrongFocus);
    link->setAccessibleName(address);
    link->setAccessibleDescription("Verweis");
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 204));
    link->setPalette(palette);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    return link;
}

}  // namespace

QWidget* MainWindow::buildInternetPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet3");

    widgets::label(page, "Label12", "Temp-Datei für Internetabruf", {12, 14, 200, 20});
    bindEdit(
        widgets::edit(page, "FileNameEdit", "Temp-Datei für Internetabruf", {220, 12, 280, 22}),
        &TForm1::FileNameEdit);
    widgets::label(page, "Label10", "Proxy-Server", {12, 44, 200, 20});
    bindEdit(widgets::edit(page, "ProxyHostEdit", "Proxy-Server", {220, 42, 280, 22}),
             &TForm1::ProxyHostEdit);
    widgets::label(page, "Label11", "Porxy-Port", {12, 74, 200, 20});
    bindEdit(widgets::edit(page, "ProxyPortEdit", "Porxy-Port", {220, 72, 80, 22}),
             &TForm1::ProxyPortEdit);

    struct Link {
        const char* introName;
        const char* intro;
        const char* linkName;
        const char* address;
    };
    const Link links[] = {
        {"Label51", "Updates und die neueste Version gibt es bei:", "Label52",
         "https://www.morvelt.example/varo"},
        {"Label53", "Die aktuellen Ziehungen und Quoten finden unter:", "Label54",
         "https://www.lotterien.at"},
        {"Label55", "Für Gewinner: Morvelts Lotto-Verwalter hält Ihre Gewinne im Blick.", "Label56",
         "https://www.morvelt.example/lotto"},
    };
    int y = 120;
    for (const Link& l : links) {
        widgets::label(page, l.introName, QString::fromUtf8(l.intro), {12, y, 490, 20});
        auto* link =
            linkLabel(page, l.linkName, QString::fromUtf8(l.address), {12, y + 20, 490, 20});
        connect(link, &ClickableLabel::clicked, this, [this, link] {
            run([this, link] { form_.Label52Click(link->text().toStdString()); });
        });
        y += 56;
    }

    auto* sourceLabel =
        widgets::label(page, "Label21", "Internetquelle für Lottozahlenabruf", {12, 300, 200, 20});
    sourceLabel->setVisible(false);
    auto* urlEdit =
        widgets::edit(page, "URLEdit", "Internetquelle für Lottozahlenabruf", {220, 298, 280, 22});
    urlEdit->setEnabled(false);
    urlEdit->setVisible(false);
    bindEdit(urlEdit, &TForm1::URLEdit);
    return page;
}

}  // namespace varo
