#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "common/Controls.h"
#include "generator/HistoryMatch.h"
#include "generator/PreferredPool.h"
#include "generator/RandomSource.h"

namespace varo {

using DrawNumbers = std::array<std::int32_t, 7>;  // six numbers, then the bonus number
using GeneratedTips = std::array<TipNumbers, 12>;

// Everything one tip's search works with. The option controls are the window's own: the
// search reads them at every test and relaxes some of them as the budget runs down.
struct SearchContext {
    const PreferredPool& pool;
    RandomSource& random;
    std::int32_t& runCounter;  // shared by all tips of a run
    std::int32_t laufMax;
    const GeneratedTips& generated;
    DrawNumbers lastDraw{};
    DrawNumbers drawBefore{};
    std::array<bool, 19>& checkBox;
    std::array<SpinBox, 9>& upDown;
    // Every complete candidate's status line; from tip 2 on the window is repainted too.
    std::function<void(const std::string& line, bool repaint)> showCandidate;
    // The options changed through the relaxation.
    std::function<void()> optionsChanged;
    // The history test: true when no past draw matches the tip in UpDown6 numbers.
    std::function<bool(const TipNumbers&)> historyTest;
};

// Searches tip k (1..12): six different numbers drawn from the pool, sorted and tested.
// Returns six zeros when the budget runs out first.
TipNumbers searchTip(int k, SearchContext& context);

// The status line of a complete candidate: "3.Tipp:  4 11  17  23  30  41    QS: 126".
std::string candidateLine(int k, const TipNumbers& sorted, std::int32_t sum);

// The acceptance tests in their order; each is true when the candidate passes.
bool passesOverlap(int k, const TipNumbers& tip, const SearchContext& context);  // T1
bool passesForcedPair(const TipNumbers& tip, const SearchContext& context);      // T2
bool passesNoRunOfThree(const TipNumbers& tip, const SearchContext& context);    // T3
bool passesSum(std::int32_t sum, const SearchContext& context);                  // T4
bool passesLastDraws(const TipNumbers& tip, const SearchContext& context);       // T5, T6

}  // namespace varo
