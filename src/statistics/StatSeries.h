#pragma once

#include <array>
#include <string>
#include <vector>

namespace varo {

struct StatPoint {
    double x = 0.0;
    double y = 0.0;
};

// The chart's model: the bar series that every statistic publishes into, its value axis,
// its caption and which of the chart's two series is shown. The chart widget only draws
// what this holds, so the generator reads the same values and range back that the user sees.
class StatSeries {
  public:
    // The chart has two bar series; statistics only ever fill and show the second.
    enum class Series { Series1, Series2 };

    // Makes the given series the shown one, switching the other off.
    void showOnly(Series series) { shown_ = series; }
    Series shown() const { return shown_; }

    void clear() { points_.clear(); }
    void addPoint(double x, double y) { points_.push_back({x, y}); }
    const std::vector<StatPoint>& points() const { return points_; }
    int count() const { return static_cast<int>(points_.size()); }
    // y of the value index (counted from 0); 0 outside the series.
    double yValue(int index) const;

    // The value axis refuses a minimum above its maximum and a maximum below its minimum,
    // as the chart's axis does; the result says whether the value was taken.
    bool setMinimum(double value);
    bool setMaximum(double value);
    void setAutomatic(bool automatic) { automatic_ = automatic; }
    bool automatic() const { return automatic_; }
    // The range as drawn: the set bounds when fixed, 0 to the largest y when automatic.
    double minimum() const;
    double maximum() const;

    // The publishing order shared by the statistics: minimum 0, then the maximum, then the
    // minimum, then the automatic range off. Starting from 0 keeps every step valid
    // whatever range the previous statistic left.
    void setFixedRange(double lowest, double highest);

    void setCaption(std::string caption) { caption_ = std::move(caption); }
    const std::string& caption() const { return caption_; }

    // The numbers printed over the bars.
    void setMarksVisible(bool visible) { marksVisible_ = visible; }
    bool marksVisible() const { return marksVisible_; }

  private:
    std::vector<StatPoint> points_;
    Series shown_ = Series::Series2;
    double minimum_ = 0.0;
    double maximum_ = 0.0;
    bool automatic_ = true;
    std::string caption_;
    bool marksVisible_ = true;
};

// Adds one bar per category x = 1..count with the value table[x] and, for a fixed range, the
// range from the smallest to the largest of these values.
void addBarsFromOne(StatSeries& series, const std::array<int, 46>& table, int count,
                    bool fixedRange = true);

}  // namespace varo
