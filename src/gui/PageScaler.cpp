#include "gui/PageScaler.h"

#include <QAbstractButton>
#include <QLayout>

#include <cmath>

namespace varo {
namespace {

int scaled(int value, double factor) {
    return static_cast<int>(std::lround(value * factor));
}

bool managedByLayout(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    return parent != nullptr && parent->layout() != nullptr &&
           parent->layout()->indexOf(const_cast<QWidget*>(widget)) >= 0;
}

int pixelSizeOf(const QFont& font) {
    if (font.pixelSize() > 0) return font.pixelSize();
    return static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
}

}  // namespace

void PageScaler::record() {
    designs_.clear();
    std::vector<QWidget*> widgets{root_};
    for (QWidget* child : root_->findChildren<QWidget*>())
        widgets.push_back(child);
    for (QWidget* widget : widgets) {
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        designs_.push_back({widget, widget->geometry(), widget != root_ && !managedByLayout(widget),
                            pixelSizeOf(widget->font()),
                            button && !button->icon().isNull() ? button->iconSize() : QSize()});
    }
}

void PageScaler::scaleBy(double ratio) {
    if (!(ratio > 0.0) || !std::isfinite(ratio)) return;
    if (designs_.empty()) record();
    factor_ *= ratio;
    for (const Design& design : designs_) {
        if (!design.widget) continue;
        QFont font = design.widget->font();
        font.setPixelSize(std::max(1, scaled(design.fontPixels, factor_)));
        design.widget->setFont(font);
        if (design.iconSize.isValid()) {
            static_cast<QAbstractButton*>(design.widget.data())
                ->setIconSize(design.iconSize * factor_);
        }
        if (design.placed) {
            const QRect& g = design.geometry;
            design.widget->setGeometry(scaled(g.x(), factor_), scaled(g.y(), factor_),
                                       scaled(g.width(), factor_), scaled(g.height(), factor_));
        }
    }
}

}  // namespace varo
