#pragma once

#include <QWidget>

namespace varo {

class StatSeries;

// Draws the statistic series as green bars over a value axis with the model's range, the
// category labels under the bars and the caption under them. It only shows the model.
class BarChartView : public QWidget {
  public:
    BarChartView(const StatSeries& series, QWidget* parent);

    QSize sizeHint() const override { return {480, 300}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const StatSeries& series_;
};

// A step for axis ticks: 1, 2 or 5 times a power of ten, giving at most about maxTicks ticks.
double niceTickStep(double span, int maxTicks);

}  // namespace varo
