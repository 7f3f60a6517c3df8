#include "generator/CandidateSearch.h"

#include <gtest/gtest.h>

namespace varo {
namespace {

// A search context over the plain pool (1..43) with the options' design values.
class CandidateSearchTest : public ::testing::Test {
  protected:
    CandidateSearchTest() {
        for (int i = 0; i < 500; ++i)
            pool.entries[static_cast<std::size_t>(i)] = i % 43 + 1;
        pool.pickRange = 500;
        checkBox = designCheckBoxes();
        random.setState(4711);
    }

    SearchContext context(std::int32_t laufMax) {
        return SearchContext{pool,
                             random,
                             counter,
                             laufMax,
                             generated,
                             {1, 2, 3, 4, 5, 6, 7},
                             {8, 9, 10, 11, 12, 13, 14},
                             checkBox,
                             upDown,
                             [this](const std::string& line, bool) { lines.push_back(line); },
                             {},
                             {}};
    }

    PreferredPool pool;
    RandomSource random;
    std::int32_t counter = 0;
    GeneratedTips generated{};
    std::array<bool, 19> checkBox{};
    std::array<SpinBox, 9> upDown = designSpinBoxes();
    std::vector<std::string> lines;
};

TEST_F(CandidateSearchTest, StatusLineOfACandidate) {
    EXPECT_EQ(candidateLine(3, {4, 11, 17, 23, 30, 41}, 126),
              "3.Tipp:  4 11  17  23  30  41    QS: 126");
    EXPECT_EQ(candidateLine(1, {1, 2, 3, 4, 5, 6}, 21), "1.Tipp:  1 2  3  4  5  6  QS: 21");
    EXPECT_EQ(candidateLine(4, {1, 2, 3, 4, 5, 6}, 21), "4.Tipp:  1 2  3  4  5  6   QS: 21");
    EXPECT_EQ(candidateLine(12, {1, 2, 3, 4, 5, 6}, 21), "12.Tipp:  1 2  3  4  5  6  QS: 21");
}

TEST_F(CandidateSearchTest, PairAndRunOfThree) {
    const SearchContext c = context(1000);
    const std::pair<TipNumbers, std::pair<bool, bool>> cases[] = {
        {{3, 4, 20, 21, 30, 40}, {true, true}},
        {{3, 4, 5, 20, 30, 40}, {true, false}},
        {{1, 10, 20, 30, 40, 45}, {false, true}},
    };
    for (const auto& [tip, expected] : cases) {
        EXPECT_EQ(passesForcedPair(tip, c), expected.first) << tip[0] << tip[1] << tip[2];
        EXPECT_EQ(passesNoRunOfThree(tip, c), expected.second) << tip[0] << tip[1] << tip[2];
    }
}

TEST_F(CandidateSearchTest, OverlapWithEarlierTips) {
    generated[0] = {20, 21, 30, 31, 40, 41};
    generated[1] = {1, 2, 3, 4, 5, 6};
    SearchContext c = context(1000);
    EXPECT_TRUE(passesOverlap(3, {20, 21, 30, 7, 8, 9}, c));     // three shared: allowed
    EXPECT_FALSE(passesOverlap(3, {20, 21, 30, 31, 8, 9}, c));   // four
    EXPECT_TRUE(passesOverlap(1, {20, 21, 30, 31, 40, 41}, c));  // tip 1 has no earlier tip
    EXPECT_TRUE(passesOverlap(2, {1, 2, 3, 4, 5, 6}, c));        // only tips before k count
    checkBox[3] = false;
    EXPECT_TRUE(passesOverlap(3, {20, 21, 30, 31, 40, 9}, c));
    EXPECT_FALSE(passesOverlap(3, {20, 21, 30, 31, 40, 41}, c));  // equal: fails anyway
}

TEST_F(CandidateSearchTest, SumBoundsAndTheLastTwoDraws) {
    SearchContext c = context(1000);
    EXPECT_TRUE(passesSum(100, c));
    EXPECT_TRUE(passesSum(180, c));
    EXPECT_FALSE(passesSum(99, c));
    EXPECT_FALSE(passesSum(181, c));
    EXPECT_TRUE(passesLastDraws({15, 20, 25, 30, 35, 40}, c));
    EXPECT_FALSE(passesLastDraws({7, 20, 25, 30, 35, 40}, c));  // the bonus number counts
    EXPECT_FALSE(passesLastDraws({14, 20, 25, 30, 35, 40}, c));
    upDown[4].position = 1;
    checkBox[5] = false;
    EXPECT_TRUE(passesLastDraws({7, 14, 25, 30, 35, 40}, c));
}

TEST_F(CandidateSearchTest, AcceptedTipsObeyEveryTest) {
    SearchContext c = context(100000);
    std::vector<TipNumbers> history;
    c.historyTest = [&history](const TipNumbers& t) {
        history.push_back(t);
        return true;
    };
    const TipNumbers tip = searchTip(1, c);
    ASSERT_NE(tip[0], 0);
    std::int32_t sum = 0;
    for (std::int32_t n : tip)
        sum += n;
    EXPECT_TRUE(std::is_sorted(tip.begin(), tip.end()));
    EXPECT_TRUE(passesForcedPair(tip, c) && passesNoRunOfThree(tip, c) && passesSum(sum, c) &&
                passesLastDraws(tip, c));
    ASSERT_FALSE(history.empty());
    EXPECT_EQ(history.back(), tip);
    EXPECT_EQ(lines.back(), candidateLine(1, tip, sum));
}

TEST_F(CandidateSearchTest, ACandidateCompletedOnTheLastRunIsNotTaken) {
    SearchContext c = context(100000);
    const TipNumbers tip = searchTip(1, c);
    const std::int32_t runs = counter;

    for (const auto& [budget, expected] :
         {std::pair{runs, TipNumbers{}}, std::pair{runs + 1, tip}}) {
        counter = 0;
        random.setState(4711);
        SearchContext again = context(budget);
        EXPECT_EQ(searchTip(1, again), expected) << budget;
    }
}

TEST_F(CandidateSearchTest, SmallestBudgetDropsTheForcedPairAtHalfAndNeverRelaxes) {
    upDown[1].position = 279;  // no sum can pass
    upDown[2].position = 21;
    SearchContext c = context(1000);
    int dropped = 0;
    c.optionsChanged = [&] {
        if (!checkBox[8] && dropped == 0) dropped = counter;
    };
    EXPECT_EQ(searchTip(5, c), TipNumbers{});
    EXPECT_EQ(counter, 1000);
    EXPECT_EQ(dropped, 500);
    EXPECT_FALSE(checkBox[8]);
    EXPECT_EQ(upDown[4].position, 0);
    EXPECT_EQ(upDown[5].position, 0);
    EXPECT_EQ(upDown[6].position, 5);
}

TEST_F(CandidateSearchTest, RelaxationOnlyWhileTipsThreeToTwelveAreSearched) {
    upDown[1].position = 279;
    upDown[2].position = 21;
    SearchContext second = context(30000);
    searchTip(2, second);
    EXPECT_EQ(upDown[4].position, 0);
    EXPECT_EQ(upDown[5].position, 0);
    EXPECT_EQ(upDown[6].position, 5);

    counter = 0;
    SearchContext third = context(30000);
    searchTip(3, third);
    EXPECT_EQ(upDown[4].position, 2);
    EXPECT_EQ(upDown[5].position, 3);
    EXPECT_EQ(upDown[6].position, 6);
}

TEST_F(CandidateSearchTest, APoolOfFewerThanSixNumbersEndsByBudget) {
    for (int i = 0; i < 500; ++i)
        pool.entries[static_cast<std::size_t>(i)] = i % 5 + 1;
    SearchContext c = context(2000);
    EXPECT_EQ(searchTip(1, c), TipNumbers{});
    EXPECT_EQ(counter, 2000);
    EXPECT_TRUE(lines.empty());
}

}  // namespace
}  // namespace varo
