#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "evaluation/CurrentDraw.h"
#include "history/DrawRecord.h"

namespace varo {

using TipNumbers = std::array<std::int32_t, 6>;

// Whether some past draw shares at least N numbers with a tip, over a copy of the history in
// memory. Draws whose six numbers differ and lie in 1..63 are compared as bit masks; others
// (a 0, a number twice, a damaged byte) are counted pair by pair exactly as the hit count
// does, so the answer is always that of the hit count.
class HistoryMatch {
  public:
    explicit HistoryMatch(std::vector<DrawRecord> draws);

    // True when no draw dated on or after startDate holds `atLeast` or more of the tip's
    // numbers among its six numbers (the bonus number does not count). Stops at the first
    // draw that does. Leaves in `current` what the text-based hit count leaves: Zahl and
    // Datum1 of the last draw compared and the hit count's results against it.
    bool noMatch(const TipNumbers& tip, double startDate, int atLeast, CurrentDraw& current) const;

  private:
    struct Entry {
        std::uint64_t mask;  // bits of the six numbers; 0 when the draw needs the slow count
    };
    std::vector<DrawRecord> draws_;
    std::vector<Entry> entries_;
};

}  // namespace varo
