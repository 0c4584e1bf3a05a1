#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <set>

#include "brute_force.h"
#include "condition_mask.h"
#include "greedy_cover.h"
#include "outcome_space.h"
#include "system_builder.h"
#include "system_text.h"

namespace {

// A small effort keeps these quick under the sanitizers; the sizes the
// default effort reaches are measured in bench/.
constexpr std::uint64_t TestEffort = 3'000'000;

SystemRequest Request(const MatchSigns& forecast, int guarantee, const ColumnConditions& conditions = {}) {
    SystemRequest request;
    request.forecast = forecast;
    request.guarantee = guarantee;
    request.conditions = conditions;
    request.effort = TestEffort;
    return request;
}

// Checks a built system against every outcome of S and every column, the
// lower bound, and the profile the engine reports.
void ExpectVerified(const SystemRequest& request, const SystemResult& result) {
    ASSERT_EQ(result.failure, SystemFailure::None) << SystemFailureText(result);
    const std::vector<SimpleColumn> all = Development(request.forecast);
    const std::vector<SimpleColumn> outcomes = Conditioned(request.forecast, request.conditions);
    EXPECT_EQ(result.full, all.size());
    EXPECT_EQ(result.outcomes, outcomes.size());
    const std::set<SimpleColumn> inside(request.anywhere ? all.begin() : outcomes.begin(),
                                        request.anywhere ? all.end() : outcomes.end());
    for (const SimpleColumn& column : result.columns) EXPECT_TRUE(inside.count(column));
    EXPECT_TRUE(std::is_sorted(result.columns.begin(), result.columns.end()));
    EXPECT_EQ(std::set<SimpleColumn>(result.columns.begin(), result.columns.end()).size(), result.columns.size());
    const auto best = BestHits(outcomes, result.columns);
    for (int k = 0; k < request.guarantee; ++k) EXPECT_EQ(best[k], 0u) << k << " hits";
    EXPECT_EQ(result.profile.best, best);
    EXPECT_EQ(result.profile.outcomes, outcomes.size());
    EXPECT_GE(result.profile.guarantee, request.guarantee);
    EXPECT_GE(result.columns.size(), result.lowerBound);
}

TEST(BuildSystem, ReachesThePerfectCodesAndTheirProducts) {
    struct Case {
        int triples, doubles, guarantee;
        std::size_t size;
    };
    for (const Case c : {Case{4, 0, 13, 9}, Case{0, 7, 13, 16}, Case{2, 0, 13, 3}, Case{4, 0, 12, 3},
                         Case{0, 4, 13, 4}, Case{3, 0, 11, 1}}) {
        const SystemRequest request = Request(Shape(c.triples, c.doubles), c.guarantee);
        const SystemResult result = BuildSystem(request);
        ExpectVerified(request, result);
        EXPECT_EQ(result.columns.size(), c.size) << c.triples << "T+" << c.doubles << "D al " << c.guarantee;
    }
}

TEST(BuildSystem, SearchesBelowTheConstructionsAndNeverBelowTheBound) {
    // 5 triples al 12: the direct sums give 9, the search finds 8.
    const SystemRequest fiveTriples = Request(Shape(5, 0), 12);
    const SystemResult result = BuildSystem(fiveTriples);
    ExpectVerified(fiveTriples, result);
    EXPECT_EQ(result.columns.size(), 8u);
    EXPECT_EQ(result.lowerBound, 5u);  // 243 outcomes, 51 in a ball

    const SystemRequest mixed = Request(Shape(3, 3), 13);
    ExpectVerified(mixed, BuildSystem(mixed));
}

TEST(BuildSystem, FullDevelopmentIsSInTheOrderOfSigns) {
    MatchSigns forecast = Shape(0, 0);
    forecast[2] = 6;  // X2
    forecast[9] = 7;
    ColumnConditions noTwoTwos;
    noTwoTwos.doses = {0, 1};
    const SystemRequest request = Request(forecast, 14, noTwoTwos);
    const SystemResult result = BuildSystem(request);
    ExpectVerified(request, result);
    EXPECT_EQ(result.columns, Conditioned(forecast, noTwoTwos));
    EXPECT_EQ(result.columns.size(), 5u);
    EXPECT_EQ(result.full, 6u);
}

TEST(BuildSystem, EachConditionKindAtTheEdgesOfItsRange) {
    const MatchSigns forecast = Shape(4, 2);  // eight fixed "1" at the end
    std::vector<ColumnConditions> cases(7);
    cases[0].unos = {10, 10};
    cases[1].equis = {0, 1};
    cases[2].doses = {3, 14};
    cases[3].variantes = {2, 4};
    cases[4].interrupciones = {6, 13};
    cases[5].interrupciones = {0, 2};
    cases[6].seguidosHasta = 9;
    for (std::size_t i = 0; i < cases.size(); ++i)
        for (const bool anywhere : {false, true}) {
            SystemRequest request = Request(forecast, 12, cases[i]);
            request.anywhere = anywhere;
            const SystemResult result = BuildSystem(request);
            SCOPED_TRACE(testing::Message() << "case " << i << (anywhere ? " anywhere" : ""));
            ExpectVerified(request, result);
            EXPECT_LT(result.outcomes, result.full);
        }
}

TEST(BuildSystem, ConditionedSystemsAreNeverLargerThanPlainGreedy) {
    ColumnConditions conditions;
    conditions.unos = {7, 11};
    conditions.seguidosHasta = 6;
    const SystemRequest request = Request(Shape(5, 3), 13, conditions);
    const SystemResult result = BuildSystem(request);
    ExpectVerified(request, result);

    const OutcomeSpace space(request.forecast);
    const std::vector<std::uint8_t> inS = ConditionMask(space, conditions);
    WorkBudget budget(0, std::nullopt, nullptr, {});
    const GreedyCover greedy = CoverGreedily(space, inS, 1, false, budget);
    EXPECT_LE(result.columns.size(), greedy.cover.size());
}

TEST(BuildSystem, TheSameSeedGivesTheSameSystem) {
    SystemRequest request = Request(Shape(5, 1), 13);
    const SystemResult first = BuildSystem(request);
    const SystemResult again = BuildSystem(request);
    ExpectVerified(request, first);
    EXPECT_EQ(first.columns, again.columns);
    request.seed = 2;
    ExpectVerified(request, BuildSystem(request));
}

TEST(BuildSystem, RefusesBadInputAndSystemsOverTheLimit) {
    MatchSigns forecast = Shape(2, 0);
    forecast[6] = 0;
    SystemResult result = BuildSystem(Request(forecast, 13));
    EXPECT_EQ(result.failure, SystemFailure::MatchWithoutSign);
    EXPECT_EQ(result.match, 6);
    EXPECT_EQ(SystemFailureText(result), "El partido 07 no tiene signo");

    EXPECT_EQ(BuildSystem(Request(Shape(2, 0), 9)).failure, SystemFailure::BadGuarantee);
    EXPECT_EQ(BuildSystem(Request(Shape(2, 0), 15)).failure, SystemFailure::BadGuarantee);
    ColumnConditions reversed;
    reversed.unos = {5, 4};
    EXPECT_EQ(BuildSystem(Request(Shape(2, 0), 13, reversed)).failure, SystemFailure::BadConditions);
    ColumnConditions tooManyChanges;
    tooManyChanges.interrupciones = {0, 14};
    EXPECT_EQ(BuildSystem(Request(Shape(2, 0), 13, tooManyChanges)).failure, SystemFailure::BadConditions);
    ColumnConditions noneMeets;
    noneMeets.equis = {3, 14};  // two triples and twelve "1" hold at most two X
    EXPECT_EQ(BuildSystem(Request(Shape(2, 0), 13, noneMeets)).failure, SystemFailure::NoOutcome);

    result = BuildSystem(Request(Shape(14, 0), 13));
    EXPECT_EQ(result.failure, SystemFailure::TooLarge);
    EXPECT_EQ(result.refusedSize, 177147u);
    EXPECT_TRUE(result.columns.empty());
    EXPECT_EQ(SystemFailureText(result), "El sistema tendría 177.147 apuestas; el máximo es 100.000");
    result = BuildSystem(Request(Shape(11, 0), 14));
    EXPECT_EQ(result.failure, SystemFailure::TooLarge);
    EXPECT_EQ(result.refusedSize, 177147u);
}

TEST(BuildSystem, CancelStopsTheSearchWithNothingBuilt) {
    std::atomic<bool> cancel{false};
    int reports = 0;
    SystemProgress progress;
    progress.cancel = &cancel;
    progress.report = [&](double fraction, std::size_t) {
        EXPECT_GE(fraction, 0.0);
        EXPECT_LE(fraction, 1.0);
        ++reports;
        cancel = true;
    };
    SystemRequest request = Request(Shape(8, 0), 13);
    request.seconds = 60;  // only the cancel ends it early
    const SystemResult result = BuildSystem(request, progress);
    EXPECT_EQ(result.failure, SystemFailure::Cancelled);
    EXPECT_TRUE(result.columns.empty());
    EXPECT_EQ(reports, 1);
}

}  // namespace
