#pragma once

#include <algorithm>
#include <array>
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

// The option check boxes CheckBox1..CheckBox18 as the window is designed, by their number
// (index 0 unused). CheckBox16 and CheckBox17 are the hidden weekday options.
inline std::array<bool, 19> designCheckBoxes() {
    std::array<bool, 19> checked{};
    for (std::size_t n : {2, 3, 4, 5, 8, 9, 10, 14, 16, 18})
        checked[n] = true;
    return checked;
}

// The spin boxes UpDown1..UpDown8 with their design positions and ranges (index 0 unused).
inline std::array<SpinBox, 9> designSpinBoxes() {
    return {{{},
             {100, 21, 279},
             {180, 21, 279},
             {3, 0, 5},
             {0, 0, 5},
             {0, 0, 5},
             {5, 3, 6},
             {100, 1, 10000},
             {12, 1, 12}}};
}

}  // namespace varo
