#include "gui/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace varo::icons {
namespace {

constexpr int kSize = 32;

QIcon drawn(const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return QIcon(pixmap);
}

QIcon arrow(bool forward) {
    return drawn([forward](QPainter& p) {
        QPolygonF head;
        if (forward)
            head << QPointF(8, 5) << QPointF(26, 16) << QPointF(8, 27);
        else
            head << QPointF(24, 5) << QPointF(6, 16) << QPointF(24, 27);
        p.setPen(QPen(QColor(0, 70, 140), 1.5));
        p.setBrush(QColor(40, 120, 200));
        p.drawPolygon(head);
    });
}

}  // namespace

QIcon update() {
    return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(0, 120, 40), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(6, 6, 20, 20), 30 * 16, 280 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 120, 40));
        p.drawPolygon(QPolygonF() << QPointF(21, 2) << QPointF(30, 9) << QPointF(20, 13));
    });
}

QIcon stepBack() {
    return arrow(false);
}
QIcon stepForward() {
    return arrow(true);
}

QIcon clear() {
    return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(190, 20, 20), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(8, 8, 24, 24);
        p.drawLine(24, 8, 8, 24);
    });
}

QIcon save() {
    return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(30, 50, 110), 1.5));
        p.setBrush(QColor(60, 90, 170));
        p.drawRoundedRect(QRectF(5, 5, 22, 22), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(10, 6, 12, 8));
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(9, 18, 14, 9));
    });
}

QIcon load() {
    return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(140, 100, 20), 1.5));
        p.setBrush(QColor(240, 200, 90));
        QPainterPath folder;
        folder.moveTo(4, 9);
        folder.lineTo(12, 9);
        folder.lineTo(14, 12);
        folder.lineTo(28, 12);
        folder.lineTo(28, 26);
        folder.lineTo(4, 26);
        folder.closeSubpath();
        p.drawPath(folder);
    });
}

QIcon frequency() {
    return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(0, 90, 0), 1));
        p.setBrush(QColor(0, 170, 0));
        const int heights[] = {12, 20, 8, 24, 16};
        for (int i = 0; i < 5; ++i)
            p.drawRect(QRectF(4 + i * 5, 28 - heights[i], 4, heights[i]));
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(3, 28, 29, 28);
    });
}

QIcon luckyNumber() {
    return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(0, 100, 0), 1));
        p.setBrush(QColor(30, 160, 50));
        const QPointF centres[] = {{11, 10}, {21, 10}, {11, 20}, {21, 20}};
        for (const QPointF& c : centres)
            p.drawEllipse(c, 6, 6);
        p.setPen(QPen(QColor(0, 100, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 16), QPointF(24, 30));
    });
}

QIcon stop() {
    return drawn([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 30));
        p.drawRoundedRect(QRectF(7, 7, 18, 18), 3, 3);
    });
}

QIcon search() {
    return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(40, 40, 40), 3));
        p.drawEllipse(QPointF(13, 13), 8, 8);
        p.setPen(QPen(QColor(40, 40, 40), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(19, 19), QPointF(27, 27));
    });
}

}  // namespace varo::icons
