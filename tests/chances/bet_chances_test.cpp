#include "bet_chances.h"

#include <gtest/gtest.h>

#include <atomic>

#include "brute_chances.h"

namespace {

std::vector<BetColumn> Bet(const std::vector<MatchSigns>& columns) {
    std::vector<BetColumn> bet;
    for (std::size_t c = 0; c < columns.size(); ++c) bet.push_back({static_cast<int>(c), columns[c]});
    return bet;
}

void ExpectClose(double actual, long double expected, const std::string& what) {
    const long double scale = std::max<long double>(std::fabs(expected), 1e-300L);
    EXPECT_LE(std::fabs(actual - expected) / scale, 1e-9L) << what << ": " << actual << " against " << (double)expected;
}

struct Case {
    int toPlay;
    int columns;
    int multiples;
    int blockDimensions;
    int threads;
    bool wide = false;  // triples on two matches to play: the bet fills much of the grid
};

TEST(BetChances, EveryFigureMatchesTheCountOverEveryResultAndSimpleBet) {
    // Few matches to play, blocks cut small so that passes outside blocks,
    // several blocks and two threads all run; bets small enough for blocks
    // to be spread simple bet by simple bet, and large enough to be passed.
    const Case cases[] = {{0, 5, 1, 9, 2},  {1, 4, 2, 9, 1},  {3, 12, 2, 1, 2},       {4, 30, 1, 2, 2},
                          {5, 20, 2, 2, 2}, {5, 40, 0, 3, 1}, {5, 25, 0, 1, 2},       {4, 12, 1, 1, 2, true},
                          {5, 8, 0, 2, 1, true}, {5, 3, 0, 2, 2},     {5, 6, 1, 3, 2},        {4, 2, 1, 3, 1}};
    std::mt19937 random(2026);
    for (const Case& one : cases) {
        for (const bool money : {true, false}) {
            const ChanceModel model = brute::RandomModel(random, one.toPlay, money);
            auto columns = brute::RandomColumns(random, model, one.columns, one.multiples);
            if (one.wide) {
                int triples = 0;
                for (int m = 0; m < RowCount && triples < 2; ++m)
                    if (model.results[m] == 0) {
                        for (std::size_t c = 0; c < columns.size(); c += 2) columns[c][m] = AllSigns;
                        ++triples;
                    }
            }
            ChanceControl control;
            control.blockDimensions = one.blockDimensions;
            control.threads = one.threads;
            const BetChances chances = ChancesOf(Bet(columns), model, control);
            const brute::Figures slow = brute::Count(columns, model);
            const std::string where = "toPlay " + std::to_string(one.toPlay) + (money ? " money" : "");

            EXPECT_FALSE(chances.cancelled);
            EXPECT_EQ(chances.results, static_cast<std::uint64_t>(std::pow(3, one.toPlay))) << where;
            std::uint64_t bets = 0;
            for (const MatchSigns& column : columns) bets += brute::SimpleBetsOf(column).size();
            EXPECT_EQ(chances.bets, bets) << where;
            EXPECT_EQ(chances.costCents, bets * 75) << where;
            for (int d = 0; d < 5; ++d) {
                ExpectClose(chances.probability[d], slow.probability[d], where + " probability " + std::to_string(d));
                ExpectClose(chances.expectedWinners[d], slow.winners[d], where + " winners " + std::to_string(d));
            }
            ASSERT_EQ(chances.expectedPrize.has_value(), money) << where;
            if (!money) {
                EXPECT_FALSE(chances.value);
                continue;
            }
            for (int d = 0; d < 5; ++d)
                ExpectClose((*chances.expectedPrize)[d], slow.prize[d], where + " prize " + std::to_string(d));
            EXPECT_EQ((*chances.expectedPrize)[2], 0) << "a category without a fund pays nothing";
            ExpectClose(chances.expectedTotal, slow.total, where + " total");
            ASSERT_TRUE(chances.value);
            ExpectClose(*chances.value, slow.total / (0.75L * bets), where + " value");
        }
    }
}

TEST(BetChances, AFullRoundAgreesWithPerColumnSumsOfItsSimpleBets) {
    // Over all 4,782,969 results: the expected simple bets with k hits add
    // up column by column (product of per-match chances), and 14 hits by
    // distinct simple bets are disjoint events.
    std::mt19937 random(7);
    ChanceModel model = brute::RandomModel(random, 14, false);
    auto columns = brute::RandomColumns(random, model, 60, 0);
    columns.push_back(columns.front());  // a repeat: winners count it twice, the chance of 14 once
    columns[1][3] = AllSigns;
    columns[2][0] = 3, columns[2][9] = 5;
    const BetChances chances = ChancesOf(Bet(columns), model);
    EXPECT_EQ(chances.results, 4782969u);

    long double winners[5] = {}, chance14 = 0;
    std::vector<MatchSigns> distinct;
    for (const MatchSigns& column : columns) {
        std::vector<long double> poly{1};
        for (int m = 0; m < RowCount; ++m) {
            long double hit = 0;
            for (int s = 0; s < 3; ++s)
                if (column[m] & (1 << s)) hit += model.probabilities[m][s];
            const long double miss = std::popcount(static_cast<unsigned>(column[m])) - hit;
            std::vector<long double> next(poly.size() + 1, 0);
            for (std::size_t d = 0; d < poly.size(); ++d) next[d] += poly[d] * hit, next[d + 1] += poly[d] * miss;
            poly = next;
        }
        for (int d = 0; d < 5; ++d) winners[d] += poly[d];
        for (const MatchSigns& bet : brute::SimpleBetsOf(column))
            if (std::find(distinct.begin(), distinct.end(), bet) == distinct.end()) distinct.push_back(bet);
    }
    for (const MatchSigns& bet : distinct) {
        long double chance = 1;
        for (int m = 0; m < RowCount; ++m) chance *= model.probabilities[m][bet[m] == 1 ? 0 : bet[m] == 2 ? 1 : 2];
        chance14 += chance;
    }
    for (int d = 0; d < 5; ++d) ExpectClose(chances.expectedWinners[d], winners[d], "winners " + std::to_string(d));
    ExpectClose(chances.probability[0], chance14, "probability 14");
    for (int d = 1; d < 5; ++d) EXPECT_GE(chances.probability[d], chances.probability[d - 1]);
}

TEST(BetChances, TheFiguresDoNotDependOnTheThreads) {
    std::mt19937 random(11);
    const ChanceModel model = brute::RandomModel(random, 8, true);
    const auto columns = Bet(brute::RandomColumns(random, model, 200, 1));
    ChanceControl one, two;
    one.threads = 1, one.blockDimensions = 3;
    two.threads = 2, two.blockDimensions = 3;
    const BetChances a = ChancesOf(columns, model, one), b = ChancesOf(columns, model, two);
    EXPECT_EQ(a.probability, b.probability);
    EXPECT_EQ(a.expectedWinners, b.expectedWinners);
    EXPECT_EQ(*a.expectedPrize, *b.expectedPrize);
}

TEST(BetChances, ReportsProgressAndStopsWhenCancelled) {
    std::mt19937 random(5);
    const ChanceModel model = brute::RandomModel(random, 10, true);
    const auto columns = Bet(brute::RandomColumns(random, model, 20, 0));
    std::vector<double> seen;
    ChanceControl control;
    control.blockDimensions = 6;
    control.progress = [&](double fraction) { seen.push_back(fraction); };
    EXPECT_FALSE(ChancesOf(columns, model, control).cancelled);
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_DOUBLE_EQ(seen.back(), 1.0);

    // One thread: progress is told from the first thread only, and a busy
    // machine may leave the whole count to the others before it tells any.
    std::atomic<bool> cancel{false};
    control.threads = 1;
    control.cancel = &cancel;
    control.progress = [&](double fraction) {
        if (fraction > 0.2) cancel = true;
    };
    EXPECT_TRUE(ChancesOf(columns, model, control).cancelled);
}

}  // namespace
