#include "platform/qt/QtUi.h"

#include <QApplication>
#include <QMessageBox>

namespace varo {

void QtUi::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle),
                    QString::fromStdString(text), QMessageBox::Ok, window_);
    box.exec();
}

void QtUi::setBusyCursor(bool busy) {
    // Nested operations each ask for the cursor; only the outermost one restores it.
    if (busy) {
        if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void QtUi::scalePages(double ratio) {
    if (scaler_) scaler_(ratio);
}

}  // namespace varo
