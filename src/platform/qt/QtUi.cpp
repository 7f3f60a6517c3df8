#include "platform/qt/QtUi.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QWidget>

namespace varo {

void QtUi::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle),
                    QString::fromStdString(text), QMessageBox::Ok, window_);
    box.exec();
}

bool QtUi::askYesNo(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No, window_);
    return box.exec() == QMessageBox::Yes;
}

std::string QtUi::inputText(const std::string& caption, const std::string& prompt,
                            const std::string& preset) {
    bool confirmed = false;
    const QString text = QInputDialog::getText(window_, QString::fromStdString(caption),
                                               QString::fromStdString(prompt), QLineEdit::Normal,
                                               QString::fromStdString(preset), &confirmed);
    return confirmed ? text.toStdString() : preset;
}

void QtUi::repaint() {
    // About 30 pictures a second; the texts are set for every step all the same.
    constexpr qint64 kFrameMilliseconds = 33;
    if (!window_) return;
    if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < kFrameMilliseconds) return;
    sinceRepaint_.start();
    if (beforeRepaint_) beforeRepaint_();
    window_->repaint();
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
