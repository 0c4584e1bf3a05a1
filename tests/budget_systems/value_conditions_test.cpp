#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "brute_force.h"
#include "lone_column.h"
#include "round_figures.h"
#include "system_builder.h"
#include "system_text.h"

namespace {

// A hand-worked round: matches 1 and 2 open, the others sure "1" by the
// bookmakers and the public alike.
//   chance of 14:  11 .30  1X .15  12 .05  X1 .18  XX .09  X2 .03  21 .12  2X .06  22 .02
//   public's:      11 .30  1X .15  12 .15  X1 .15  XX .075 X2 .075 21 .05  2X .025 22 .025
//   contra:        11 1    1X 1    12 1/3  X1 1.2  XX 1.2  X2 0.4  21 2.4  2X 2.4  22 0.8
RoundFigures HandRound() {
    RoundFigures round;
    MatchSignFigures chances{}, shares{};
    for (int m = 0; m < RowCount; ++m) chances[m] = shares[m] = {1, 0, 0};
    chances[0] = {0.5, 0.3, 0.2};
    chances[1] = {0.6, 0.3, 0.1};
    shares[0] = {0.6, 0.3, 0.1};
    shares[1] = {0.5, 0.25, 0.25};
    round.probabilities = chances;
    round.publicShares = shares;
    return round;
}

MatchSigns TwoTriples() {
    MatchSigns forecast{};
    forecast.fill(1);
    forecast[0] = forecast[1] = AllSigns;
    return forecast;
}

// Every outcome of S as a column: a guarantee of 14.
std::set<std::string> Kept(const SystemRequest& request) {
    const SystemResult result = BuildSystem(request);
    EXPECT_EQ(result.failure, SystemFailure::None) << SystemFailureText(result);
    std::set<std::string> kept;
    for (const SimpleColumn& column : result.columns) kept.insert({"1X2"[column[0]], "1X2"[column[1]]});
    EXPECT_EQ(result.outcomes, kept.size());
    return kept;
}

SystemRequest HandRequest() {
    SystemRequest request;
    request.forecast = TwoTriples();
    request.round = HandRound();
    return request;
}

TEST(ValueConditions, ProbabilityAndContraKeepWhatTheHandWorkedRoundSays) {
    SystemRequest request = HandRequest();
    request.value.minProbability = 0.09;  // XX at the threshold stays
    EXPECT_EQ(Kept(request), (std::set<std::string>{"11", "1X", "X1", "XX", "21"}));
    request.value.minProbability = 1.0 / 10;
    EXPECT_EQ(Kept(request), (std::set<std::string>{"11", "1X", "X1", "21"}));

    request.value = {};
    request.value.minContra = 1.2;  // X1 and XX at the threshold stay
    EXPECT_EQ(Kept(request), (std::set<std::string>{"X1", "XX", "21", "2X"}));
    request.value.minProbability = 0.1;  // both at once
    EXPECT_EQ(Kept(request), (std::set<std::string>{"X1", "21"}));

    // With the conditions on the columns too: one "2" at most in the two.
    request.conditions.doses = {0, 0};
    EXPECT_EQ(Kept(request), (std::set<std::string>{"X1"}));
}

TEST(ValueConditions, ValueComparesEachColumnsPrizeWithThePrice) {
    SystemRequest request = HandRequest();
    request.round.price = 0.75;
    // Prizes of a tenth of a euro per outcome number: 11 0,00 ... 22 0,80.
    request.round.singleBetPrizes = [](const MatchSigns& forecast, const std::atomic<bool>*) {
        std::vector<double> prizes;
        for (std::size_t o = 0; o < Development(forecast).size(); ++o) prizes.push_back(0.1 * static_cast<double>(o));
        return prizes;
    };
    request.value.minValue = 0.5;  // 0,375 euros: outcomes 4 to 8
    EXPECT_EQ(Kept(request), (std::set<std::string>{"XX", "X2", "21", "2X", "22"}));
    request.value.minValue = 0.4;  // 0,30 euros: outcome 3 at the threshold stays
    EXPECT_EQ(Kept(request).count("X1"), 1u);
}

TEST(ValueConditions, ThePrizeModelIsTheChancesEnginesForEachLoneColumn) {
    ChanceModel model;
    for (int m = 0; m < RowCount; ++m) model.probabilities[m] = {0.5, 0.3, 0.2};
    model.probabilities[1] = {0.45, 0.2, 0.35};  // no two columns alike
    MatchFigures shares{};
    for (SignFigures& match : shares) match = {0.6, 0.25, 0.15};
    shares[1] = {0.4, 0.35, 0.25};
    model.publicShares = shares;
    model.takings = 2200000;
    SystemRequest request;
    request.forecast = TwoTriples();
    request.round = RoundFiguresOf(model);

    // Each column's prize counted alone, by another walk of the engine.
    std::vector<std::pair<double, std::string>> prizes;
    for (const SimpleColumn& column : Development(request.forecast)) {
        MatchSigns marks{};
        for (int m = 0; m < RowCount; ++m) marks[m] = static_cast<SignSet>(1 << column[m]);
        prizes.push_back({LoneColumnPrize(marks, model), {"1X2"[column[0]], "1X2"[column[1]]}});
    }
    std::sort(prizes.begin(), prizes.end());
    // Halfway across the widest gap between prizes past the first.
    std::size_t gap = 1;
    for (std::size_t i = 1; i + 1 < prizes.size(); ++i)
        if (prizes[i + 1].first / prizes[i].first > prizes[gap + 1].first / prizes[gap].first) gap = i;
    request.value.minValue = (prizes[gap].first + prizes[gap + 1].first) / 2 / model.price;
    std::set<std::string> expected;
    for (std::size_t i = gap + 1; i < prizes.size(); ++i) expected.insert(prizes[i].second);
    ASSERT_GT(prizes[gap + 1].first, prizes[gap].first * 1.01);
    EXPECT_EQ(Kept(request), expected);
}

TEST(ValueConditions, ARoundThatPlayedAMatchCountsOnlyItsResult) {
    ChanceModel model;
    for (int m = 0; m < RowCount; ++m) model.probabilities[m] = {0.5, 0.3, 0.2};
    model.results[3] = 2;  // X
    const RoundFigures round = RoundFiguresOf(model);
    ASSERT_TRUE(round.probabilities);
    EXPECT_EQ((*round.probabilities)[3], (SignFigures{0, 1, 0}));
    EXPECT_EQ((*round.probabilities)[4], (SignFigures{0.5, 0.3, 0.2}));
    EXPECT_FALSE(round.publicShares);
    EXPECT_FALSE(round.singleBetPrizes);  // no takings, no prizes
}

TEST(ValueConditions, AConditionWithoutItsFiguresIsRefusedAndSaysWhatIsMissing) {
    SystemRequest request;
    request.forecast = TwoTriples();
    request.value.minProbability = 0.01;
    EXPECT_EQ(BuildSystem(request).failure, SystemFailure::NoProbabilities);
    request.round.probabilities = HandRound().probabilities;
    request.value = {};
    request.value.minContra = 1.5;
    SystemResult result = BuildSystem(request);
    EXPECT_EQ(result.failure, SystemFailure::NoPublicShares);
    EXPECT_TRUE(result.columns.empty());
    EXPECT_EQ(SystemFailureText(result), "El contra mínimo necesita los porcentajes del público de los 14 partidos");
    request.value = {};
    request.value.minValue = 1;
    request.budgetBets = 3;
    EXPECT_EQ(BuildSystem(request).failure, SystemFailure::NoPrizeModel);
}

}  // namespace
