#include "gui/BarChartView.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "statistics/StatSeries.h"

namespace varo {
namespace {

const QColor kBarColour(0, 160, 0);
const QColor kBarEdge(0, 100, 0);

QString numberText(double value) {
    return QString::number(value, 'f', 0);
}

}  // namespace

double niceTickStep(double span, int maxTicks) {
    if (span <= 0 || maxTicks < 1) return 1.0;
    const double raw = span / maxTicks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= raw) return std::max(1.0, factor * power);
    return std::max(1.0, 10.0 * power);
}

BarChartView::BarChartView(const StatSeries& series, QWidget* parent)
    : QWidget(parent), series_(series) {
    setObjectName("Chart1");
    setAccessibleName("Diagramm");
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void BarChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));

    QFont labelFont = font();
    labelFont.setPixelSize(std::max(7, font().pixelSize() * 9 / 13));
    const QFontMetrics labelMetrics(labelFont);
    const QFontMetrics captionMetrics(font());

    const double lo = series_.minimum();
    double hi = series_.maximum();
    // A flat range (all counts equal, or nothing counted) still gets a visible axis.
    const double shownHi = hi > lo ? hi : lo + 1.0;

    const int valueLabelWidth = labelMetrics.horizontalAdvance(numberText(shownHi)) + 8;
    const QRect plot(rect().left() + valueLabelWidth + 6, rect().top() + 10,
                     width() - valueLabelWidth - 16,
                     height() - 20 - 2 * labelMetrics.height() - captionMetrics.height() - 8);
    if (plot.width() < 10 || plot.height() < 10) return;

    auto yOf = [&](double value) {
        const double clamped = std::clamp(value, lo, shownHi);
        return plot.bottom() - (clamped - lo) / (shownHi - lo) * plot.height();
    };

    // Value axis with grid lines.
    p.setFont(labelFont);
    const double step = niceTickStep(shownHi - lo, std::max(2, plot.height() / 30));
    for (double tick = std::ceil(lo / step) * step; tick <= shownHi + 1e-9; tick += step) {
        const int y = static_cast<int>(std::lround(yOf(tick)));
        p.setPen(QColor(225, 225, 225));
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRect(rect().left(), y - labelMetrics.height() / 2, valueLabelWidth,
                         labelMetrics.height()),
                   Qt::AlignRight | Qt::AlignVCenter, numberText(tick));
    }
    p.setPen(palette().color(QPalette::Text));
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    p.drawLine(plot.bottomLeft(), plot.bottomRight());

    const auto& points = series_.shown() == StatSeries::Series::Series2 ? series_.points()
                                                                        : std::vector<StatPoint>{};
    const int count = static_cast<int>(points.size());
    if (count > 0) {
        const double slot = static_cast<double>(plot.width()) / count;
        const double barWidth = std::max(1.0, slot * 0.7);
        // Every category label: in one row when they fit, in two staggered rows when they
        // fit that way, otherwise every k-th one.
        const int widest = labelMetrics.horizontalAdvance(numberText(points.back().x)) + 2;
        const bool staggered = widest > slot && widest <= 2 * slot;
        const int labelEvery =
            staggered ? 1 : std::max(1, static_cast<int>(std::ceil(widest / slot)));
        for (int i = 0; i < count; ++i) {
            const StatPoint& point = points[static_cast<std::size_t>(i)];
            const double left = plot.left() + i * slot + (slot - barWidth) / 2;
            const double top = yOf(point.y);
            if (point.y > 0) {
                // A bar at the bottom of a fixed range keeps a stub so that it stays visible.
                const double barTop = std::min(top, plot.bottom() - 2.0);
                p.setPen(kBarEdge);
                p.setBrush(kBarColour);
                p.drawRect(QRectF(left, barTop, barWidth, plot.bottom() - barTop));
            }
            if (series_.marksVisible()) {
                p.setPen(palette().color(QPalette::Text));
                p.drawText(QRectF(left - slot, top - labelMetrics.height() - 1, barWidth + 2 * slot,
                                  labelMetrics.height()),
                           Qt::AlignHCenter | Qt::AlignBottom, numberText(point.y));
            }
            if (i % labelEvery == 0) {
                p.setPen(palette().color(QPalette::Text));
                const double row = staggered && i % 2 == 1 ? labelMetrics.height() : 0.0;
                const double span = staggered ? 2 * slot : slot * labelEvery;
                p.drawText(QRectF(left + barWidth / 2 - span / 2.0, plot.bottom() + 2 + row, span,
                                  labelMetrics.height()),
                           Qt::AlignHCenter | Qt::AlignTop, numberText(point.x));
            }
        }
    }

    p.setFont(font());
    p.setPen(palette().color(QPalette::Text));
    p.drawText(QRect(plot.left(), plot.bottom() + 2 * labelMetrics.height() + 6, plot.width(),
                     captionMetrics.height()),
               Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(series_.caption()));
}

}  // namespace varo
