#include "statistics/NumberFrequency.h"

#include <string>

#include "common/DateSerial.h"

namespace varo {

NumberFrequency countNumberFrequency(const std::vector<DrawRecord>& draws, double startDate,
                                     const std::function<void(const DrawRecord&)>& onByte65) {
    NumberFrequency result;
    for (const DrawRecord& draw : draws) {
        if (draw.Datum < startDate) continue;
        for (int i = 1; i <= 7; ++i) {
            const int number = draw.numberByte(i);
            if (number == 65 && onByte65) onByte65(draw);
            if (number < static_cast<int>(result.counts.size())) ++result.counts[number];
        }
        result.draws += 1.0;
        for (int i = 1; i <= 6; ++i)
            result.sumTotal += draw.numberByte(i);
    }
    return result;
}

void publishNumberFrequency(const NumberFrequency& frequency, StatSeries& series) {
    addBarsFromOne(series, frequency.counts, 45);
    const std::int64_t average =
        frequency.draws > 0.0 ? roundHalfEven(frequency.sumTotal / frequency.draws) : 0;
    series.setCaption("Zahlenverteilung     Ziehungen: " +
                      std::to_string(static_cast<std::int64_t>(frequency.draws)) +
                      "    Quersumme: " + std::to_string(average));
}

}  // namespace varo
