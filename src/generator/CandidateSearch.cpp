#include "generator/CandidateSearch.h"

#include <algorithm>
#include <charconv>

namespace varo {
namespace {

int sharedWith(const TipNumbers& tip, const std::int32_t* numbers, std::size_t count) {
    int shared = 0;
    for (std::int32_t n : tip)
        for (std::size_t j = 0; j < count; ++j)
            shared += n == numbers[j];
    return shared;
}

void append(std::string& line, std::int32_t value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    line.append(digits, end);
}

// As the budget runs down while tips 3 to 12 are searched, the history test and the limits
// for the last two draws are loosened step by step.
void relax(int k, SearchContext& c) {
    if (k < 3) return;
    const std::int64_t left = std::int64_t{c.laufMax} - c.runCounter;
    if (left == 20000) {
        c.upDown[6].setPosition(6);
    } else if (left == 10000) {
        c.upDown[5].setPosition(2);
        c.upDown[4].setPosition(1);
    } else if (left == 5000) {
        c.upDown[5].setPosition(3);
        c.upDown[4].setPosition(2);
    } else {
        return;
    }
    if (c.optionsChanged) c.optionsChanged();
}

}  // namespace

std::string candidateLine(int k, const TipNumbers& sorted, std::int32_t sum) {
    std::string line;
    line.reserve(48);
    append(line, k);
    line += ".Tipp:  ";
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (i == 1) line += ' ';
        if (i >= 2) line += "  ";
        append(line, sorted[i]);
    }
    line += k == 3 ? "    QS: " : (k == 2 || k == 4) ? "   QS: " : "  QS: ";
    append(line, sum);
    return line;
}

bool passesOverlap(int k, const TipNumbers& tip, const SearchContext& c) {
    int most = 0;
    for (int m = 1; m < k; ++m) {
        const TipNumbers& earlier = c.generated[static_cast<std::size_t>(m - 1)];
        most = std::max(most, sharedWith(tip, earlier.data(), earlier.size()));
    }
    if (most == 6) return false;
    return !(c.checkBox[3] && most > c.upDown[3].position);
}

bool passesForcedPair(const TipNumbers& t, const SearchContext& c) {
    if (!c.checkBox[8]) return true;
    for (std::size_t i = 0; i + 1 < t.size(); ++i)
        if (t[i] + 1 == t[i + 1]) return true;
    return false;
}

bool passesNoRunOfThree(const TipNumbers& t, const SearchContext& c) {
    if (!c.checkBox[18]) return true;
    for (std::size_t i = 0; i + 2 < t.size(); ++i)
        if (t[i] + 1 == t[i + 1] && t[i + 1] + 1 == t[i + 2]) return false;
    return true;
}

bool passesSum(std::int32_t sum, const SearchContext& c) {
    return sum >= c.upDown[1].position && sum <= c.upDown[2].position;
}

bool passesLastDraws(const TipNumbers& tip, const SearchContext& c) {
    if (c.checkBox[4] && sharedWith(tip, c.lastDraw.data(), 7) > c.upDown[4].position) return false;
    if (c.checkBox[5] && sharedWith(tip, c.drawBefore.data(), 7) > c.upDown[5].position)
        return false;
    return true;
}

TipNumbers searchTip(int k, SearchContext& c) {
    TipNumbers candidate{};
    std::size_t p = 0;  // next position, 0-based; 6 means complete
    const auto pickRange = static_cast<std::uint32_t>(std::max(c.pool.pickRange, 0));
    while (p < 6 && c.runCounter < c.laufMax) {
        ++c.runCounter;
        // The forced pair is given up at exactly half the budget (never for an odd one).
        if (2 * std::int64_t{c.runCounter} == c.laufMax && c.checkBox[8]) {
            c.checkBox[8] = false;
            if (c.optionsChanged) c.optionsChanged();
        }
        relax(k, c);

        // One draw per run; a number already in the candidate is drawn again next run.
        candidate[p] = c.pool.entries[c.random.nextBelow(pickRange) % PreferredPool::kPlaces];
        if (std::find(candidate.begin(), candidate.begin() + static_cast<std::ptrdiff_t>(p),
                      candidate[p]) != candidate.begin() + static_cast<std::ptrdiff_t>(p))
            candidate[p] = 0;
        if (candidate[p] > 0) ++p;
        if (p < 6) continue;

        std::int32_t sum = 0;
        for (std::int32_t n : candidate)
            sum += n;
        std::sort(candidate.begin(), candidate.end());
        if (c.showCandidate) c.showCandidate(candidateLine(k, candidate, sum), k >= 2);

        const bool accepted = passesOverlap(k, candidate, c) && passesForcedPair(candidate, c) &&
                              passesNoRunOfThree(candidate, c) && passesSum(sum, c) &&
                              passesLastDraws(candidate, c) &&
                              (!c.checkBox[9] || !c.historyTest || c.historyTest(candidate));
        if (!accepted) {
            candidate.fill(0);
            p = 0;
        }
    }
    // A candidate completed on the run that used up the budget is not taken.
    if (c.runCounter >= c.laufMax) return TipNumbers{};
    return candidate;
}

}  // namespace varo
