#include "evaluation/DrawNavigation.h"

#include <algorithm>
#include <set>

namespace varo {

std::optional<std::size_t> drawOnOrAfter(const std::vector<DrawRecord>& records, double day) {
    if (records.empty()) return std::nullopt;
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i].Datum >= day) return i;
    return records.size() - 1;
}

std::optional<StepResult> stepBack(const std::vector<DrawRecord>& records, std::int32_t position,
                                   const ExcludedDay& excluded) {
    if (records.empty()) return std::nullopt;
    const auto last = static_cast<std::int64_t>(records.size()) - 1;
    std::set<std::int32_t> seen;
    while (true) {
        position = std::max(position - 1, 0);
        // A Position beyond the end reads up to the last record and keeps its value.
        const auto index = static_cast<std::size_t>(std::min<std::int64_t>(position, last));
        const bool repeated = !seen.insert(position).second;
        if (!excluded(records[index].Datum) || repeated) return StepResult{index, position};
        if (position < 1) ++position;
    }
}

std::optional<StepResult> stepForward(const std::vector<DrawRecord>& records, std::int32_t position,
                                      const ExcludedDay& excluded) {
    if (records.empty()) return std::nullopt;
    const auto last = static_cast<std::int64_t>(records.size()) - 1;
    std::set<std::int32_t> seen;
    while (true) {
        const std::int64_t wanted = static_cast<std::int64_t>(position) + 1;
        // Reading stops at the wanted record or at the end of the file.
        position = static_cast<std::int32_t>(wanted >= 0 && wanted <= last ? wanted : last);
        const auto index = static_cast<std::size_t>(position);
        const bool repeated = !seen.insert(position).second;
        if (!excluded(records[index].Datum) || repeated) return StepResult{index, position};
        if (position == last) position -= 2;
    }
}

}  // namespace varo
