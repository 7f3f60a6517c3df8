#include "gui/ClickableLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace varo {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    // Keyboard users reach a focusable label with Tab and activate it like a button.
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

VerticalLabel::VerticalLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    setAccessibleName(text);
}

void VerticalLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    painter.setPen(palette().color(QPalette::BrightText));
    painter.translate(0, height());
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, text_);
}

}  // namespace varo
