#include "statistics/StatSeries.h"

#include <algorithm>

namespace varo {

double StatSeries::yValue(int index) const {
    if (index < 0 || index >= count()) return 0.0;
    return points_[static_cast<std::size_t>(index)].y;
}

bool StatSeries::setMinimum(double value) {
    if (value > maximum_) return false;
    minimum_ = value;
    return true;
}

bool StatSeries::setMaximum(double value) {
    if (value < minimum_) return false;
    maximum_ = value;
    return true;
}

double StatSeries::minimum() const {
    return automatic_ ? 0.0 : minimum_;
}

double StatSeries::maximum() const {
    if (!automatic_) return maximum_;
    double largest = 0.0;
    for (const StatPoint& p : points_)
        largest = std::max(largest, p.y);
    return largest;
}

void StatSeries::setFixedRange(double lowest, double highest) {
    setMinimum(0.0);
    setMaximum(highest);
    setMinimum(lowest);
    automatic_ = false;
}

void addBarsFromOne(StatSeries& series, const std::array<int, 46>& table, int count,
                    bool fixedRange) {
    int lowest = table[1];
    int highest = table[1];
    for (int x = 1; x <= count && x < static_cast<int>(table.size()); ++x) {
        const int y = table[static_cast<std::size_t>(x)];
        lowest = std::min(lowest, y);
        highest = std::max(highest, y);
        series.addPoint(x, y);
    }
    if (fixedRange)
        series.setFixedRange(lowest, highest);
    else
        series.setAutomatic(true);
}

}  // namespace varo
