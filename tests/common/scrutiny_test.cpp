#include "scrutiny.h"

#include <gtest/gtest.h>

#include <random>

namespace {

MatchSigns Signs(std::string_view text) {
    std::string error;
    const auto signs = ParseMatchSigns(text, true, error);
    EXPECT_TRUE(signs) << text << ": " << error;
    return signs.value_or(MatchSigns{});
}

std::string Line(int column, std::string_view marks, std::string_view result) {
    return ColumnLine(ScrutinizeColumn(BetColumn{column, Signs(marks)}, Signs(result)));
}

// Every simple bet of the column, one by one. A match without a sign is one
// choice that never hits, so the best hits of incomplete columns show too.
void List(const MatchSigns& marks, const MatchSigns& result, int row, int hits, bool complete,
          ColumnScrutiny& listed) {
    if (row == RowCount) {
        listed.hits = std::max(listed.hits, hits);
        listed.bets += complete;
        if (complete && hits > FirstCategoryHits - PrizeCategories) ++listed.prizes[FirstCategoryHits - hits];
        return;
    }
    if (marks[row] == 0) return List(marks, result, row + 1, hits, false, listed);
    for (SignSet sign = 1; sign <= 4; sign <<= 1)
        if (marks[row] & sign) List(marks, result, row + 1, hits + ((result[row] & sign) != 0), complete, listed);
}

SignSet RandomSigns(std::mt19937& random, std::array<int, 4> weights) {
    const int count = std::discrete_distribution<int>(weights.begin(), weights.end())(random);
    SignSet signs = 0;
    while (std::popcount(unsigned{signs}) < count) signs |= static_cast<SignSet>(1 << (random() % 3));
    return signs;
}

TEST(Scrutiny, MatchesEverySimpleBetListed) {
    std::mt19937 random(1402);
    for (int round = 0; round < 300; ++round) {
        std::vector<BetColumn> columns(3);
        for (BetColumn& column : columns)
            do {  // small enough to list, now and then a match without a sign
                for (SignSet& signs : column.marks) signs = RandomSigns(random, {1, 30, 10, 4});
            } while (ScrutinizeColumn(column, {}).bets > 3000);
        MatchSigns result{};
        for (SignSet& signs : result) signs = RandomSigns(random, {3, 20, 2, 1});  // 0: still to play

        const Scrutiny scrutiny = Scrutinize(columns, result);
        ASSERT_EQ(scrutiny.columns.size(), 3u);
        Scrutiny listedTotal;
        for (std::size_t c = 0; c < 3; ++c) {
            ColumnScrutiny listed;
            List(columns[c].marks, result, 0, 0, true, listed);
            EXPECT_EQ(scrutiny.columns[c].bets, listed.bets);
            EXPECT_EQ(scrutiny.columns[c].hits, listed.hits);
            EXPECT_EQ(scrutiny.columns[c].prizes, listed.prizes);
            listedTotal.bets += listed.bets;
            for (int k = 0; k < PrizeCategories; ++k) listedTotal.prizes[k] += listed.prizes[k];
        }
        EXPECT_EQ(scrutiny.bets, listedTotal.bets);
        EXPECT_EQ(scrutiny.prizes, listedTotal.prizes);
    }
}

TEST(Scrutiny, FourteenTriplesAgainstAPlayedResult) {
    BetColumn triples{15, {}};
    triples.marks.fill(AllSigns);
    const ColumnScrutiny column = ScrutinizeColumn(triples, Signs("1X21X2111X2X12"));
    EXPECT_EQ(column.bets, 4782969u);
    EXPECT_EQ(column.hits, 14);
    EXPECT_EQ(column.prizes, (PrizeCounts{1, 28, 364, 2912, 16016}));
}

TEST(Scrutiny, Lines) {
    const char* result = "1X21X2111X2X12";
    EXPECT_EQ(Line(2, "1X21X2111X2X22", result), "Columna 03: 13 aciertos (2ª categoría)");
    EXPECT_EQ(Line(2, "222222211X2X12", result), "Columna 03: 9 aciertos");
    EXPECT_EQ(Line(0, "111X11XXX111X1", result), "Columna 01: 1 acierto");
    // Four doubles, each holding the result's sign, and one miss: (x + 1)^4 · x^9.
    EXPECT_EQ(Line(2, "1X X2 12 1X X 2 1 1 1 X 2 X 2 2", result),
              "Columna 03: 16 apuestas, hasta 13 aciertos (2ª: 1, 3ª: 4, 4ª: 6, 5ª: 4)");
    EXPECT_EQ(Line(15, "1X 2 2 2 2 2 2 2 2 2 2 2 2 2", result), "Columna 16: 2 apuestas, hasta 5 aciertos");
    EXPECT_EQ(Line(2, "1X21X21-------", result), "Columna 03: incompleta, 7 aciertos");
    EXPECT_EQ(Line(9, "1X21X2111X2X12", "1X21X2111X2X--"), "Columna 10: 12 aciertos (3ª categoría), 2 por jugar");
    EXPECT_EQ(Line(9, "1X21X21-------", "1X21X2111X2X1-"), "Columna 10: incompleta, 7 aciertos, 1 por jugar");

    const BetColumn second{0, Signs("1X21X2111X2X22")};
    const BetColumn fifth{1, Signs("22X2X2111X2X12")};
    EXPECT_EQ(TotalLine(Scrutinize({second}, Signs(result))), "Total: 1 apuesta; 2ª: 1");
    EXPECT_EQ(TotalLine(Scrutinize({second, fifth}, Signs(result))), "Total: 2 apuestas; 2ª: 1, 5ª: 1");
    EXPECT_EQ(TotalLine(Scrutinize({second, fifth}, Signs("22222222222222"))), "Total: 2 apuestas, sin premio");
}

TEST(Scrutiny, ParsesBothWritings) {
    std::string error = "stale";
    EXPECT_EQ(ParseMatchSigns("  1X21x2111X2X1-\t", true, error),
              (MatchSigns{1, 2, 4, 1, 2, 4, 1, 1, 1, 2, 4, 2, 1, 0}));
    EXPECT_EQ(error, "");
    const auto tokens = ParseMatchSigns("1X, x2 1X2,2 ,1  X,2x1 1 1 1 1 1 1 -", true, error);
    EXPECT_EQ(tokens, (MatchSigns{3, 6, 7, 4, 1, 2, 7, 1, 1, 1, 1, 1, 1, 0})) << error;
    std::string texts;
    for (SignSet signs = 0; signs <= AllSigns; ++signs) texts += SignsText(signs) + " ";
    EXPECT_EQ(texts, "- 1 X 1X 2 12 X2 1X2 ");
}

TEST(Scrutiny, RejectsBadWritings) {
    const auto error = [](std::string_view text, bool allowNone = true) {
        std::string message;
        EXPECT_FALSE(ParseMatchSigns(text, allowNone, message)) << text;
        return message;
    };
    EXPECT_EQ(error("1X21X2111X2X1"), "expected 14 matches, got 13");
    EXPECT_EQ(error("1 X 2 1 X 2 1 1 1 X 2 X 1 2 1"), "expected 14 matches, got 15");
    EXPECT_EQ(error("1X21Y2111X2X12"), "match 5: unknown sign 'Y'");
    EXPECT_EQ(error("1 Xx 2 1 X 2 1 1 1 X 2 X 1 2"), "match 2: sign 'X' repeated");
    EXPECT_EQ(error("1X21X2111X2X1-", false), "match 14: '-' (no sign) is not allowed here");
    EXPECT_EQ(error("1 X- 2 1 X 2 1 1 1 X 2 X 1 2"), "match 2: '-' must stand alone");
    EXPECT_EQ(error("1,,X,2,1,X,2,1,1,1,X,2,X,1,2"), "match 2: no sign between commas");
    EXPECT_EQ(error("1,X,2,1,X,2,1,1,1,X,2,X,1,2,"), "match 15: no sign between commas");
}

TEST(Scrutiny, ReadsColumnsAndResultFromTheTables) {
    CouponTable<std::int32_t> marks(16);
    marks.at(0, 0, 0) = 1;
    marks.at(2, 1, 3) = marks.at(2, 2, 3) = marks.at(2, 0, 13) = 1;
    marks.at(5, 2, 13) = 1;  // past the columns asked for
    const std::vector<BetColumn> columns = BetColumns(marks, 4);
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[0].column, 0);
    EXPECT_EQ(columns[1].column, 2);
    EXPECT_EQ(columns[1].marks, Signs("- - - X2 - - - - - - - - - 1"));
    EXPECT_EQ(ResultSigns(marks), Signs("1-------------"));
}

}  // namespace
