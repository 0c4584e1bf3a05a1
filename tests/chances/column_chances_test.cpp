#include "column_chances.h"

#include <gtest/gtest.h>

#include "bet_chances.h"
#include "brute_chances.h"
#include "brute_force.h"
#include "lone_column.h"
#include "outcome_figures.h"
#include "single_bet_table.h"

namespace {

void ExpectClose(double actual, long double expected, const std::string& what) {
    const long double scale = std::max<long double>(std::fabs(expected), 1e-300L);
    EXPECT_LE(std::fabs(actual - expected) / scale, 1e-9L) << what << ": " << actual << " against " << (double)expected;
}

// Over all 14 matches, the public's chance of the column, simple bet by simple bet.
long double SlowPublic14(const MatchSigns& column, const MatchFigures& shares) {
    long double sum = 0;
    for (const MatchSigns& bet : brute::SimpleBetsOf(column)) {
        long double chance = 1;
        for (int m = 0; m < RowCount; ++m) chance *= shares[m][bet[m] == 1 ? 0 : bet[m] == 2 ? 1 : 2];
        sum += chance;
    }
    return sum;
}

TEST(ColumnChances, EachColumnMatchesTheCountOfItsSimpleBetsPlayedAlone) {
    std::mt19937 random(31);
    for (const int toPlay : {0, 2, 5}) {
        const ChanceModel model = brute::RandomModel(random, toPlay, true);
        brute::PublicCache cache;
        auto columns = brute::RandomColumns(random, model, 6, 0);
        const auto doubled = brute::RandomColumns(random, model, 4, 3);
        columns.insert(columns.end(), doubled.begin(), doubled.end());
        columns[0][7] = 0;  // a match without a sign: no simple bet at all
        std::vector<BetColumn> bet;
        for (std::size_t c = 0; c < columns.size(); ++c) bet.push_back({static_cast<int>(c) + 3, columns[c]});
        ChanceControl control;
        control.blockDimensions = 2;
        const auto figures = ColumnChancesOf(bet, model, control);
        ASSERT_EQ(figures.size(), columns.size());
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const std::string where = "toPlay " + std::to_string(toPlay) + " column " + std::to_string(c);
            const brute::Figures alone = brute::Count({columns[c]}, model, &cache);
            EXPECT_EQ(figures[c].column, static_cast<int>(c) + 3);
            // Its simple bets cannot share a result's 14: chance and expected winners agree.
            ExpectClose(figures[c].probability14, alone.winners[0], where + " probability14");
            ASSERT_TRUE(figures[c].public14 && figures[c].expectedPrize) << where;
            ExpectClose(*figures[c].public14, SlowPublic14(columns[c], *model.publicShares), where + " public14");
            if (*figures[c].public14 > 0)
                ExpectClose(*figures[c].contra, figures[c].probability14 / SlowPublic14(columns[c], *model.publicShares),
                            where + " contra");
            ExpectClose(*figures[c].expectedPrize, alone.total, where + " prize");
        }
        EXPECT_EQ(figures[0].probability14, 0);
        EXPECT_EQ(*figures[0].public14, 0);
        EXPECT_FALSE(figures[0].contra);
    }
}

TEST(ColumnChances, WithoutThePublicOnlyTheChanceOf14IsKnown) {
    ChanceModel model = UniformChanceModel();
    model.results[0] = 2;  // X
    const std::vector<BetColumn> bet{{0, {2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3}},
                                     {1, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}}};
    const auto figures = ColumnChancesOf(bet, model);
    ASSERT_EQ(figures.size(), 2u);
    EXPECT_DOUBLE_EQ(figures[0].probability14, 2 / std::pow(3.0, 13));
    EXPECT_EQ(figures[1].probability14, 0);  // the played match missed
    EXPECT_FALSE(figures[0].public14 || figures[0].contra || figures[0].expectedPrize);
}

TEST(SingleBetPrizes, EveryOutcomeOfAForecastIsItsColumnPlayedAlone) {
    std::mt19937 random(47);
    for (const int toPlay : {3, 5}) {
        const ChanceModel model = brute::RandomModel(random, toPlay, true);
        // Triples on two played and two unplayed matches, a double, the rest one sign.
        MatchSigns forecast{};
        int triples = 0;
        for (int m = 0; m < RowCount; ++m) {
            const bool played = model.results[m] != 0;
            forecast[m] = played ? model.results[m] : SignSet{1};
            if ((played && triples < 2) || (!played && triples >= 2 && triples < 4)) forecast[m] = AllSigns, ++triples;
        }
        forecast[RowCount - 1] |= 4;
        brute::PublicCache cache;
        ChanceControl control;
        control.blockDimensions = 1;
        const auto prizes = SingleBetPrizes(model, forecast, control);
        const std::vector<SimpleColumn> all = Development(forecast);  // in the outcomes' order
        ASSERT_EQ(prizes.size(), all.size());
        const OutcomeChances chances = OutcomeChancesOf(model, forecast);
        ASSERT_EQ(chances.probability14.size(), all.size());
        ASSERT_EQ(chances.public14.size(), all.size());
        for (std::size_t cell = 0; cell < all.size(); ++cell) {
            MatchSigns column{};
            for (int m = 0; m < RowCount; ++m) column[m] = static_cast<SignSet>(1 << all[cell][m]);
            const brute::Figures alone = brute::Count({column}, model, &cache);
            const std::string where = "toPlay " + std::to_string(toPlay) + " outcome " + std::to_string(cell);
            ExpectClose(prizes[cell], alone.total, where);
            ExpectClose(chances.probability14[cell], alone.winners[0], where + " probability14");
            ExpectClose(chances.public14[cell], SlowPublic14(column, *model.publicShares), where + " public14");
        }
    }
}

TEST(SingleBetPrizes, AFullRoundAgreesWithTheWalkAndTheWholeCount) {
    // Fourteen matches to play: the table cut in thirds, the walk over one
    // column's near results and the count over every result, three ways.
    std::mt19937 random(3);
    const ChanceModel model = brute::RandomModel(random, 14, true);
    const auto table = SingleBetTable::Build(model);
    ASSERT_TRUE(table);
    for (const auto& column : brute::RandomColumns(random, model, 3, 0)) {
        const double walked = LoneColumnPrize(column, model);
        ExpectClose(table->Prize(column), walked, "table");
        ExpectClose(ChancesOf({{0, column}}, model).expectedTotal, walked, "whole count");
    }
}

}  // namespace
