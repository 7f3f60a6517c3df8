#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace varo {

class StatSeries;

// The table every number of a generated tip is drawn from. A number appears once or more
// for each reason to prefer it; the rest is filled with 1..43 unless only preferred numbers
// are to be used.
struct PreferredPool {
    static constexpr int kPlaces = 501;

    std::array<std::int32_t, kPlaces> entries{};  // 0 = empty
    int count = 0;      // preferred entries written so far (P): the next entry's place
    int pickRange = 0;  // places 0..pickRange-1 are drawn from

    // Appends an entry at place count. A full pool takes no more: nothing is ever written
    // past the last place.
    void append(std::int32_t number);
};

// The statistics the pool reads.
enum class PoolStatistic { Overdue, Pairs, Triples, Quadruples, Frequency };

// What building the pool needs from the window.
class PoolHost {
  public:
    virtual ~PoolHost() = default;
    // Runs the statistic through its normal entry point and returns the series it left.
    virtual const StatSeries& runStatistic(PoolStatistic statistic) = 0;
    // The series shown now, as the last statistic left it.
    virtual const StatSeries& shownSeries() = 0;
    // Shows a progress text in the status bar at once.
    virtual void status(const std::string& text) = 0;
};

// The preference options (check boxes of the options page by their number).
struct PoolOptions {
    bool pairs = false;             // CheckBox1: overdue numbers and frequent pairs
    bool rarestPairs = false;       // CheckBox11
    bool triples = false;           // CheckBox6
    bool rarestTriples = false;     // CheckBox12
    bool quadruples = false;        // CheckBox7
    bool rarestQuadruples = false;  // CheckBox13
    bool frequent = true;           // CheckBox2: often drawn numbers
    bool rare = true;               // CheckBox10: rarely drawn numbers
    bool onlyPreferred = false;     // CheckBox15: no filling
};

// Builds the pool from the statistics the options ask for, in the fixed order of its steps.
PreferredPool buildPreferredPool(const PoolOptions& options, PoolHost& host);

// The bounds of a band, from the statistic's range (whole counts) and a factor in tenths.
// Rounded half to even on the exact value.
struct Band {
    std::int64_t lower;
    std::int64_t upper;
};
Band topBand(double lo, double hi, int tenths);
Band bottomBand(double lo, double hi, int tenths);

}  // namespace varo
