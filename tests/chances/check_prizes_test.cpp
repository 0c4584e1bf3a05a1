#include "check_prizes.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "alive_bets.h"

namespace {

// Every simple bet of the column: one sign per match.
std::vector<std::array<int, RowCount>> SimpleBets(const BetColumn& column) {
    std::vector<std::array<int, RowCount>> bets{{}};
    for (int r = 0; r < RowCount; ++r) {
        std::vector<std::array<int, RowCount>> next;
        for (const auto& bet : bets)
            for (int s = 0; s < SignCount; ++s)
                if (column.marks[r] & (1 << s)) {
                    next.push_back(bet);
                    next.back()[r] = s;
                }
        bets = std::move(next);
    }
    return bets;
}

TEST(AliveBets, MatchesAPlainCountOverEverySimpleBet) {
    std::mt19937 random(22);
    for (int round = 0; round < 300; ++round) {
        BetColumn column;
        MatchSigns result{};
        for (int r = 0; r < RowCount; ++r) {
            // Mostly single signs, some doubles and triples, now and then none.
            const int kind = static_cast<int>(random() % 20);
            column.marks[r] = kind < 13 ? SignSet(1 << random() % 3) : kind < 17 ? SignSet(7 & ~(1 << random() % 3))
                                                          : kind < 19 ? AllSigns : SignSet{0};
            if (round % 7 == 0 && r == 0) column.marks[r] = 0;
            result[r] = random() % 3 == 0 ? SignSet{0} : SignSet(1 << random() % 3);
        }
        PrizeCounts expected{};
        int pending = 0;
        for (const SignSet signs : result) pending += signs == 0;
        for (const auto& bet : SimpleBets(column)) {
            int hits = 0;
            for (int r = 0; r < RowCount; ++r) hits += (result[r] >> bet[r]) & 1;
            for (int k = 0; k < PrizeCategories; ++k) expected[k] += hits + pending >= 14 - k;
        }
        EXPECT_EQ(AliveBets(column, result), expected) << "round " << round;
    }
}

TEST(AliveBets, SumsTheColumnsOfAScrutiny) {
    const MatchSigns result{1, 2, 4, 1, 2, 4, 1, 1, 1, 2, 4, 2, 0, 0};
    BetColumn hitting{0, {1, 2, 4, 1, 2, 4, 1, 1, 1, 2, 4, 2, 1, 1}};
    BetColumn missing{1, {4, 4, 4, 1, 2, 4, 1, 1, 1, 2, 4, 2, 3, 1}};  // two misses, a double to play
    // The first reaches 14 still; the second's two simple bets at most 12.
    EXPECT_EQ(AliveBets(Scrutinize({hitting, missing}, result)), (PrizeCounts{1, 1, 3, 3, 3}));
    EXPECT_EQ(PendingMatches(result), 2);
}

// The column of a check worked by hand: 16 simple bets, against the result
// one of 13 hits, four of 12, six of 11 and four of 10.
const BetColumn Doubles{2, {3, 6, 5, 3, 1, 4, 1, 1, 1, 2, 4, 2, 1, 4}};
const MatchSigns Result{1, 2, 4, 1, 2, 4, 1, 1, 1, 2, 4, 2, 1, 4};

TEST(CheckPrizes, ColumnsAndTotalInEuros) {
    Jornada jornada;
    jornada.prizes = CategoryFigures{0, 45213.10, 812.40, 56.20, 6.10};
    const auto prizes = CheckPrizesOf(jornada);
    ASSERT_TRUE(prizes);
    EXPECT_EQ(prizes->priceCents, 75u);
    const BetColumn single{0, Result};
    const Scrutiny scrutiny = Scrutinize({single, Doubles}, Result);
    // 45.213,10 + 4 · 812,40 + 6 · 56,20 + 4 · 6,10 = 48.824,30.
    EXPECT_EQ(CheckColumnLine(scrutiny.columns[1], prizes),
              "Columna 03: 16 apuestas, hasta 13 aciertos (2ª: 1, 3ª: 4, 4ª: 6, 5ª: 4), 48.824,30 €");
    EXPECT_EQ(CheckColumnLine(scrutiny.columns[0], prizes), "Columna 01: 14 aciertos (1ª categoría), 0,00 €");
    EXPECT_EQ(CheckTotalLines(scrutiny, prizes), "Total: 17 apuestas, 16 premios, 48.824,30 € (jugado 12,75 €)");
    // Without prizes the lines stay as they were.
    EXPECT_EQ(CheckColumnLine(scrutiny.columns[1], std::nullopt),
              "Columna 03: 16 apuestas, hasta 13 aciertos (2ª: 1, 3ª: 4, 4ª: 6, 5ª: 4)");
    EXPECT_EQ(CheckTotalLines(scrutiny, std::nullopt), "Total: 17 apuestas; 1ª: 1, 2ª: 1, 3ª: 4, 4ª: 6, 5ª: 4");

    // Nothing won, and one match to play.
    MatchSigns later = Result;
    later[13] = 0;
    for (int r = 0; r < 6; ++r) later[r] = later[r] == 1 ? 4 : 1;
    const Scrutiny none = Scrutinize({single}, later);
    EXPECT_EQ(CheckTotalLines(none, prizes), "Total: 1 apuesta, sin premio (jugado 0,75 €)\n"
                                             "Vivas: 14: 0 · 13: 0 · 12: 0 · 11: 0 · 10: 0");
    EXPECT_FALSE(CheckPrizesOf(Jornada{}));
}

TEST(CheckPrizes, EachPrizeIsRoundedToTheCentBeforeItIsCounted) {
    Jornada jornada;
    jornada.price = 0.5;
    jornada.prizes = CategoryFigures{0, 0, 0.125, 0, 0};  // 12,5 cents: 13 once rounded
    const auto prizes = CheckPrizesOf(jornada);
    ASSERT_TRUE(prizes);
    EXPECT_EQ(prizes->prizes[2], 13u);
    EXPECT_EQ(PrizeCentsOf({0, 0, 3, 0, 0}, prizes->prizes), 39u);  // not 37.5 rounded
    EXPECT_EQ(CostCents(16, *prizes), 800u);
    EXPECT_EQ(PrizeCentsOf({0, 0, UINT64_MAX / 2, 0, 0}, prizes->prizes), UINT64_MAX);
}

}  // namespace
