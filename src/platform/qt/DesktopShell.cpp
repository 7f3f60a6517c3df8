#include "platform/qt/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace varo {

void DesktopShell::open(const std::string& target) {
    const QString text = QString::fromStdString(target);
    // A link label shows an address without a scheme ("www.example.org"); an existing
    // file is opened as a file.
    QUrl url;
    if (QFileInfo::exists(text))
        url = QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
    else
        url = QUrl::fromUserInput(text);
    QDesktopServices::openUrl(url);
}

}  // namespace varo
