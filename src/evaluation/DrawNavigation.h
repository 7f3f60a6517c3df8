#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "history/DrawRecord.h"

namespace varo {

// Which draw the draw navigation lands on, worked out on the history's records. All of
// them answer nothing for an empty history.

// The first record in file order dated on or after the day; the last record when none is.
std::optional<std::size_t> drawOnOrAfter(const std::vector<DrawRecord>& records, double day);

struct StepResult {
    std::size_t index;      // the record that becomes the current draw
    std::int32_t position;  // the new Position
};

// Whether stepping passes over a draw of this date.
using ExcludedDay = std::function<bool(double date)>;

// One draw back, passing over excluded days. When the first record is excluded the step
// stops on it rather than going round for ever.
std::optional<StepResult> stepBack(const std::vector<DrawRecord>& records, std::int32_t position,
                                   const ExcludedDay& excluded);

// One draw forward, passing over excluded days; an excluded last draw is passed backwards.
// When that would go round for ever (the last two draws excluded), the step stops on the
// draw it reached a second time.
std::optional<StepResult> stepForward(const std::vector<DrawRecord>& records, std::int32_t position,
                                      const ExcludedDay& excluded);

}  // namespace varo
