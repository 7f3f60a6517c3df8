#include "statistics/OverdueNumbers.h"

#include <cstdint>

namespace varo {

OverdueNumbers countOverdueNumbers(const std::vector<DrawRecord>& draws, double startDate) {
    OverdueNumbers result;
    // The draw (counted from 1) in which each number came last; 0 for never. Remembering
    // that instead of raising all gaps per draw gives the same gaps in one pass.
    std::array<int, 46> lastSeen{};
    for (const DrawRecord& draw : draws) {
        if (draw.Datum < startDate) continue;
        ++result.draws;
        for (int i = 1; i <= 7; ++i) {
            const std::uint8_t number = draw.numberByte(i);
            if (number < lastSeen.size()) lastSeen[number] = result.draws;
        }
    }
    for (std::size_t number = 0; number < lastSeen.size(); ++number)
        result.gaps[number] = result.draws - lastSeen[number] + 1;
    return result;
}

void publishOverdueNumbers(const OverdueNumbers& overdue, StatSeries& series) {
    addBarsFromOne(series, overdue.gaps, 45);
    series.setCaption(
        "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?");
}

}  // namespace varo
