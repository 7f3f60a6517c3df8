#include "statistics/TipDistribution.h"

#include "common/NumberText.h"

namespace varo {

TipDistribution countTipDistribution(const TipSheet& tips) {
    TipDistribution result;
    for (int tip = 1; tip <= kTipCount; ++tip) {
        for (int position = 1; position <= kCellsPerTip; ++position) {
            const auto number = parseInteger(tips.cell(tip, position));
            if (!number) return result;
            if (*number >= 1 && *number <= 45) ++result.counts[static_cast<std::size_t>(*number)];
        }
    }
    return result;
}

void publishTipDistribution(const TipDistribution& distribution, StatSeries& series) {
    addBarsFromOne(series, distribution.counts, 45);
    series.setCaption("Zahlenverteilung des Tippes");
}

}  // namespace varo
