#pragma once

#include "common/DateSerial.h"

namespace varo {

// The weekday options of the group statistics and the sum distribution (CheckBox16 and
// CheckBox17): a draw counts when its weekday is one that is switched on.
struct WeekdayFilter {
    bool sundays = true;
    bool wednesdays = false;

    bool passes(double date) const {
        // A date read from a damaged record may be no day at all; it is no weekday either.
        if (!(date > -1e9 && date < 1e9)) return false;
        const int day = dayOfWeek(date);
        return (sundays && day == 1) || (wednesdays && day == 4);
    }
};

}  // namespace varo
