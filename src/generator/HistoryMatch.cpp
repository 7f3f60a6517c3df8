#include "generator/HistoryMatch.h"

#include <bit>
#include <string>

#include "evaluation/Zettelcheck.h"

namespace varo {
namespace {

// The draw's numbers as a bit mask when each is in 1..63 and none repeats, else 0.
std::uint64_t numberMask(const DrawRecord& draw) {
    std::uint64_t mask = 0;
    for (std::uint8_t number : draw.Zahlen) {
        const std::uint64_t bit = std::uint64_t{1} << (number & 63);
        if (number < 1 || number > 63 || (mask & bit)) return 0;
        mask |= bit;
    }
    return mask;
}

// The tip as a bit mask when its numbers are in 1..63 and distinct, else 0.
std::uint64_t tipMask(const TipNumbers& tip) {
    std::uint64_t mask = 0;
    for (std::int32_t number : tip) {
        if (number < 1 || number > 63) return 0;
        const std::uint64_t bit = std::uint64_t{1} << number;
        if (mask & bit) return 0;
        mask |= bit;
    }
    return mask;
}

int countPairs(const TipNumbers& tip, const DrawRecord& draw) {
    int hits = 0;
    for (std::uint8_t drawn : draw.Zahlen)
        for (std::int32_t number : tip)
            hits += number == drawn;
    return hits;
}

}  // namespace

HistoryMatch::HistoryMatch(std::vector<DrawRecord> draws) : draws_(std::move(draws)) {
    entries_.reserve(draws_.size());
    for (const DrawRecord& draw : draws_)
        entries_.push_back({numberMask(draw)});
}

bool HistoryMatch::noMatch(const TipNumbers& tip, double startDate, int atLeast,
                           CurrentDraw& current) const {
    const std::uint64_t tipBits = tipMask(tip);
    const DrawRecord* last = nullptr;
    bool matched = false;
    for (std::size_t i = 0; i < draws_.size(); ++i) {
        const DrawRecord& draw = draws_[i];
        if (draw.Datum < startDate) continue;
        last = &draw;
        const std::uint64_t drawBits = entries_[i].mask;
        const int hits =
            tipBits && drawBits ? std::popcount(tipBits & drawBits) : countPairs(tip, draw);
        if (hits >= atLeast) {
            matched = true;
            break;
        }
    }
    if (last) {
        // The register ends as the text-based test leaves it after its last comparison.
        current.Datum1 = last->Datum;
        current.loadNumbers(*last);
        const std::array<std::string, 6> texts = {std::to_string(tip[0]), std::to_string(tip[1]),
                                                  std::to_string(tip[2]), std::to_string(tip[3]),
                                                  std::to_string(tip[4]), std::to_string(tip[5])};
        Zettelcheck(current, {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]});
    }
    return !matched;
}

}  // namespace varo
