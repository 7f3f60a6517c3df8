#pragma once

#include <array>
#include <string>
#include <vector>

#include "evaluation/CurrentDraw.h"
#include "history/DrawRecord.h"
#include "statistics/StatSeries.h"
#include "statistics/WeekdayFilter.h"

namespace varo {

// The three statistics of consecutive numbers drawn together: pairs (k, k+1), triples
// (k..k+2) and quadruples (k..k+3), each counted per first number k.
struct GroupKind {
    int size;             // numbers per group
    int lastFirstNumber;  // groups tested: first numbers 1 to this
    int pointCount;       // bars published: x = 1 to this
    bool fixedRange;      // value range fixed to the bars' span, else automatic
    const char* noun;     // what the caption calls the groups found
};

inline constexpr GroupKind kPairs{2, 44, 44, true, "Paare"};
inline constexpr GroupKind kTriples{3, 43, 43, true, "Dreier"};
// The chart keeps 45 bars for the quadruples. 44 and 45 start no group, and the group
// starting at 43 needs a 46, which only a damaged record holds.
inline constexpr GroupKind kQuadruples{4, 43, 45, false, "Vierer"};

struct GroupCount {
    GroupKind kind = kPairs;
    std::array<int, 46> counts{};  // index = first number of the group
    int draws = 0;                 // draws counted
    int found = 0;                 // sum of all counts
};

// Counts the draws dated on or after startDate that pass the weekday filter. A group counts
// for a draw when the hit count of the tip "k, ..., k+size-1" padded with "0" texts equals
// the group size, exactly as Zettelcheck judges it: repeated numbers and zero bytes among
// the six numbers count as often as they occur, so damaged records are judged the same way
// as the sheet check would. The bonus number and the eighth byte never count.
//
// The check register is used as the group test uses it: afterwards current.Zahl holds the
// last counted draw and Treffer, Gewinn and Zusatz the test of its last group. When no draw
// is counted, current is left untouched.
GroupCount countGroups(const std::vector<DrawRecord>& draws, const GroupKind& kind,
                       double startDate, WeekdayFilter filter, CurrentDraw& current);

// Publishes one bar per first number and the caption with the draws counted and the groups
// found.
void publishGroups(const GroupCount& count, StatSeries& series);

}  // namespace varo
