#include "statistics/GroupStatistics.h"

#include <bit>
#include <cstdint>

#include "evaluation/Zettelcheck.h"

namespace varo {

GroupCount countGroups(const std::vector<DrawRecord>& draws, const GroupKind& kind,
                       double startDate, WeekdayFilter filter, CurrentDraw& current) {
    GroupCount result;
    result.kind = kind;
    // Groups that may be counted, as a bit mask: bit k stands for the group starting at k.
    const std::uint64_t firstNumbers =
        ((std::uint64_t{1} << (kind.lastFirstNumber + 1)) - 1) & ~std::uint64_t{1};
    const int zeroTexts = 6 - kind.size;
    // How often each byte value is among the six numbers, for draws the masks cannot judge.
    // One slot per byte value, so no damaged byte reaches past the table.
    std::array<int, 256> occurrences{};
    const DrawRecord* lastCounted = nullptr;
    for (const DrawRecord& draw : draws) {
        if (draw.Datum < startDate || !filter.passes(draw.Datum)) continue;

        // Bit v: v is among the six numbers, for v up to 46, the largest group member.
        std::uint64_t present = 0;
        bool distinct = true;
        for (const std::uint8_t number : draw.Zahlen) {
            if (number == 0 || (number <= 46 && ((present >> number) & 1) != 0)) distinct = false;
            if (number <= 46) present |= std::uint64_t{1} << number;
        }

        if (distinct) {
            // Without a zero and without a repeated member, the hit count of a group is the
            // number of its members present: the group counts when all of them are.
            std::uint64_t complete = present & firstNumbers;
            for (int j = 1; j < kind.size; ++j)
                complete &= present >> j;
            result.found += std::popcount(complete);
            for (; complete != 0; complete &= complete - 1)
                ++result.counts[static_cast<std::size_t>(std::countr_zero(complete))];
        } else {
            // Each zero byte meets each "0" text and a repeated member counts as often as it
            // occurs, as in the comparison of texts.
            for (const std::uint8_t number : draw.Zahlen)
                ++occurrences[number];
            const int zeroHits = zeroTexts * occurrences[0];
            int members = 0;  // members present in the group k..k+size-1, slid along k
            for (int j = 1; j < kind.size; ++j)
                members += occurrences[static_cast<std::size_t>(j)];
            for (int k = 1; k <= kind.lastFirstNumber; ++k) {
                members += occurrences[static_cast<std::size_t>(k + kind.size - 1)];
                if (zeroHits + members == kind.size) {
                    ++result.counts[static_cast<std::size_t>(k)];
                    ++result.found;
                }
                members -= occurrences[static_cast<std::size_t>(k)];
            }
            for (const std::uint8_t number : draw.Zahlen)
                occurrences[number] = 0;
        }
        ++result.draws;
        lastCounted = &draw;
    }

    // The check register ends as the group test by text leaves it: the last counted draw,
    // tested against its last group.
    if (lastCounted != nullptr) {
        current.loadNumbers(*lastCounted);
        std::array<std::string, 6> texts;
        for (int j = 0; j < 6; ++j)
            texts[static_cast<std::size_t>(j)] =
                j < kind.size ? std::to_string(kind.lastFirstNumber + j) : "0";
        Zettelcheck(current, {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]});
    }
    return result;
}

void publishGroups(const GroupCount& count, StatSeries& series) {
    const GroupKind& kind = count.kind;
    addBarsFromOne(series, count.counts, kind.pointCount, kind.fixedRange);
    series.setCaption("Bei " + std::to_string(count.draws) + " Ziehungen wurden " +
                      std::to_string(count.found) + " " + kind.noun + " gefunden!");
}

}  // namespace varo
