#include "guarantee.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Walks every outcome inside the forecast, taking the best column each time.
void List(const std::vector<BetColumn>& columns, const MatchSigns& forecast, int row, MatchSigns& outcome,
          GuaranteeProfile& listed) {
    if (row == RowCount) {
        int best = 0;
        for (const BetColumn& column : columns) {
            int hits = 0;
            for (int r = 0; r < RowCount; ++r) hits += (column.marks[r] & outcome[r]) != 0;
            best = std::max(best, hits);
        }
        ++listed.outcomes;
        ++listed.best[best];
        return;
    }
    for (outcome[row] = 1; outcome[row] <= 4; outcome[row] <<= 1)
        if (forecast[row] & outcome[row]) List(columns, forecast, row + 1, outcome, listed);
}

void ExpectAsListed(const std::vector<BetColumn>& columns, const MatchSigns& forecast) {
    GuaranteeProfile listed;
    MatchSigns outcome{};
    List(columns, forecast, 0, outcome, listed);
    const GuaranteeProfile got = Guarantee(columns, forecast);
    EXPECT_EQ(got.outcomes, listed.outcomes);
    EXPECT_EQ(got.best, listed.best);
    int lowest = 0;
    while (listed.best[lowest] == 0) ++lowest;
    EXPECT_EQ(got.guarantee, lowest);
}

SignSet RandomSigns(std::mt19937& random, int most) {
    SignSet signs = 0;
    const int count = 1 + static_cast<int>(random() % static_cast<unsigned>(most));
    while (std::popcount(unsigned{signs}) < count) signs |= static_cast<SignSet>(1 << (random() % 3));
    return signs;
}

std::vector<BetColumn> RandomColumns(std::mt19937& random, int count) {
    std::vector<BetColumn> columns(static_cast<std::size_t>(count));
    for (BetColumn& column : columns)
        for (SignSet& signs : column.marks) signs = RandomSigns(random, 2);
    columns[0].marks[4] = 0;  // a match without a sign never hits
    return columns;
}

TEST(Guarantee, MatchesEveryOutcomeListed) {
    std::mt19937 random(8);
    for (int round = 0; round < 60; ++round) {
        // Past sixteen columns each half-outcome takes a second vector.
        const auto columns = RandomColumns(random, 1 + static_cast<int>(random() % 20));
        MatchSigns forecast{};
        for (SignSet& signs : forecast) signs = RandomSigns(random, 1);
        for (int varying = 0; varying < 6; ++varying)  // anywhere, so the halves differ in size
            forecast[random() % RowCount] = RandomSigns(random, 3);
        ExpectAsListed(columns, forecast);
    }
    // Enough outcomes to share the count with a second thread.
    std::mt19937 more(16);
    MatchSigns forecast;
    forecast.fill(AllSigns);
    forecast[0] = forecast[7] = forecast[13] = 1;
    forecast[8] = 5;
    ExpectAsListed(RandomColumns(more, 16), forecast);
}

// "Reducida a 8": per match, the index (1, 2, 3) of the sign in each column.
constexpr const char* ReducedSystem[RowCount] = {
    "11111111", "11223311", "12211212", "12211212", "12211212", "12212121", "12121221",
    "11223311", "11111111", "11223311", "11111111", "12121221", "12121221", "11111111",
};

std::vector<BetColumn> ReducedColumns() {
    std::vector<BetColumn> columns(8);
    for (int c = 0; c < 8; ++c) {
        columns[c].column = c;
        for (int r = 0; r < RowCount; ++r) columns[c].marks[r] = static_cast<SignSet>(1 << (ReducedSystem[r][c] - '1'));
    }
    return columns;
}

TEST(Guarantee, ReducedToEightGuaranteesTen) {
    const auto columns = ReducedColumns();
    const MatchSigns forecast = DefaultForecast(columns);
    EXPECT_EQ(forecast, (MatchSigns{1, 7, 3, 3, 3, 3, 3, 7, 1, 7, 1, 3, 3, 1}));
    const GuaranteeProfile profile = Guarantee(columns, forecast);
    EXPECT_EQ(profile.outcomes, 3456u);
    EXPECT_EQ(profile.guarantee, 10);
    EXPECT_EQ(profile.best[14], 8u);
    EXPECT_EQ(profile.best[13], 104u);
    const std::string text = GuaranteeText(profile);
    EXPECT_EQ(text.substr(0, text.find("\n12 ")),
              "Garantía: 10 aciertos\n3456 resultados posibles\n14 aciertos: 8 (0,23 %)\n13 aciertos: 104 (3,01 %)");
    EXPECT_EQ(text.rfind("\n10 aciertos: "), text.rfind('\n'));  // the guarantee's line is the last
}

TEST(Guarantee, UnmarkedMatchesAndNoColumns) {
    std::vector<BetColumn> columns(2);
    columns[0].marks[0] = 1;
    columns[1].marks[0] = 4;
    columns[1].marks[1] = 2;
    EXPECT_EQ(DefaultForecast(columns), (MatchSigns{5, 2, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7}));

    MatchSigns forecast;
    forecast.fill(1);
    forecast[3] = forecast[10] = AllSigns;
    const GuaranteeProfile none = Guarantee({}, forecast);
    EXPECT_EQ(none.outcomes, 9u);
    EXPECT_EQ(none.best[0], 9u);
    EXPECT_EQ(none.guarantee, 0);
}

TEST(Guarantee, TextInTheSingular) {
    GuaranteeProfile one;
    one.outcomes = 1;
    one.best[1] = 1;
    one.guarantee = 1;
    const std::string text = GuaranteeText(one);
    EXPECT_EQ(text.substr(0, text.find("\n14 ")), "Garantía: 1 acierto\n1 resultado posible");
    EXPECT_EQ(text.substr(text.rfind('\n')), "\n1 acierto: 1 (100,00 %)");
}

}  // namespace
