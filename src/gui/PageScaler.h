#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <vector>

namespace varo {

// Scales a widget tree proportionally: positions and sizes of the freely placed widgets and
// the fonts of all of them. Every scaling works from the design values and the product of
// all ratios so far, so repeated resizing does not drift through rounding.
class PageScaler {
  public:
    explicit PageScaler(QWidget* root) : root_(root) {}

    void scaleBy(double ratio);
    double factor() const { return factor_; }

  private:
    struct Design {
        QPointer<QWidget> widget;
        QRect geometry;
        bool placed;  // not managed by a layout
        int fontPixels;
        QSize iconSize;  // image buttons only
    };
    void record();

    QWidget* root_;
    std::vector<Design> designs_;
    double factor_ = 1.0;
};

}  // namespace varo
