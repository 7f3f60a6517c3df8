#pragma once

#include <algorithm>
#include <string>

namespace varo {

// A spin box (an up-down control bound to an edit field): a position within a range.
struct SpinBox {
    int position = 0;
    int minimum = 0;
    int maximum = 0;

    // Positions outside the range are brought to the nearest bound.
    void setPosition(int value) { position = std::clamp(value, minimum, maximum); }
};

// A date picker with its earliest selectable date.
struct DatePicker {
    double date = 0.0;
    double minDate = 0.0;

    // A date before the earliest selectable date is refused.
    bool setDate(double value) {
        if (value < minDate) return false;
        date = value;
        return true;
    }
};

}  // namespace varo
