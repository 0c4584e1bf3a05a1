// Budget systems: per case, the coverage the engine reaches beside the two
// plain rules it must never fall below (the N most probable outcomes of S,
// and weighted greedy), the gain over greedy and the wall time, with the
// default effort. Cases with every outcome alike and with a jornada's
// chances. Usage: budget_bench [FILTER [EFFORT]]   (only the cases whose name
// holds FILTER; EFFORT outcomes visited instead of the default)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "budget_cover.h"
#include "condition_mask.h"
#include "outcome_space.h"
#include "scrutiny.h"
#include "system_builder.h"

namespace {

// A week's chances as bookmakers give them: favourites, open matches and
// long shots, per cent, matches 1 to 14.
const MatchSignFigures Week = {{{55, 27, 18}, {40, 30, 30}, {70, 20, 10}, {35, 30, 35}, {48, 29, 23},
                                {25, 30, 45}, {62, 24, 14}, {38, 33, 29}, {44, 31, 25}, {20, 28, 52},
                                {51, 28, 21}, {33, 34, 33}, {58, 26, 16}, {41, 30, 29}}};

constexpr double TimeLimit = 10;      // seconds a case may take
constexpr double QuickLimit = 5;      // for 8 triples al 13 with 50 bets

struct Case {
    const char* name;
    const char* forecast;  // one token a match
    int guarantee;
    std::uint64_t bets;
    bool weighted;
    ColumnConditions conditions;
    double limit = TimeLimit;
    std::optional<double> minProbability = std::nullopt;
};

constexpr CountRange Any{0, RowCount};

ColumnConditions Variantes(int low, int high) {
    ColumnConditions c;
    c.variantes = {low, high};
    return c;
}

const std::vector<Case> Cases = {
    {"4T al 13, 5 bets, alike", "1X2 1X2 1X2 1X2 1 1 1 1 1 1 1 1 1 1", 13, 5, false, {}},
    {"6T al 13, 20 bets, alike", "1X2 1X2 1X2 1X2 1X2 1X2 1 1 1 1 1 1 1 1", 13, 20, false, {}},
    {"6T al 13, 50 bets, alike", "1X2 1X2 1X2 1X2 1X2 1X2 1 1 1 1 1 1 1 1", 13, 50, false, {}},
    {"6T al 13, 50 bets, chances", "1X2 1X2 1X2 1X2 1X2 1X2 1 1 1 1 1 1 1 1", 13, 50, true, {}},
    {"8T al 13, 50 bets, alike", "1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1 1 1 1 1 1", 13, 50, false, {}, QuickLimit},
    {"8T al 13, 50 bets, chances", "1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1 1 1 1 1 1", 13, 50, true, {}, QuickLimit},
    {"8T al 13, 200 bets, chances", "1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1 1 1 1 1 1", 13, 200, true, {}},
    {"8T al 12, 20 bets, alike", "1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1 1 1 1 1 1", 12, 20, false, {}},
    {"8T al 12, 20 bets, chances", "1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1 1 1 1 1 1", 12, 20, true, {}},
    {"7T al 11, 5 bets, chances", "1X2 1 1X2 X 1X2 1 1X2 2 1 1X2 1 1X2 1 1X2", 11, 5, true, {}},
    {"5T+4D al 13, 30 bets, chances", "1X2 1X 1 1X2 X2 1 1X2 1X 2 1X2 1 12 1X2 1", 13, 30, true, {}},
    {"8T var. 3-6 al 13, 60 bets, chances", "1X2 1X2 1 1X2 1X2 X 1X2 1 1X2 1 1X2 2 1X2 1", 13, 60, true,
     Variantes(3, 6)},
    {"10T al 13, 500 bets, chances", "1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1 1 1 1", 13, 500, true, {}},
    {"11T al 12, 100 bets, chances", "1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1 1 1", 12, 100, true, {}},
    {"14T al 13, 1000 bets, chances", "1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2", 13, 1000, true, {}},
    {"6T+6D al 12, 30 bets, alike", "1X2 1X 1X2 1X 1X2 1X 1X2 1X 1X2 1X 1X2 1X 1 1", 12, 30, false, {}},
    {"6T al 13, 60 bets, alike (tries 73)", "1X2 1X2 1X2 1X2 1X2 1X2 1 1 1 1 1 1 1 1", 13, 60, false, {}},
    {"8T min. 1/500000 al 13, 40 bets, chances", "1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1 1 1 1 1 1", 13, 40, true, {},
     TimeLimit, 1.0 / 500000},
    {"9T al 10, 5 bets, chances", "1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1 1 1 1 1", 10, 5, true, {}},
    {"14T al 12, 200 bets, chances", "1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2", 12, 200, true, {}},
};

// The cases are written as the command line reads forecasts.
MatchSigns Forecast(const char* text) {
    std::string error;
    return ParseMatchSigns(text, false, error).value_or(MatchSigns{});
}

MatchSignFigures Fractions(const MatchSignFigures& perCent) {
    MatchSignFigures fractions{};
    for (int m = 0; m < RowCount; ++m)
        for (int s = 0; s < SignCount; ++s) fractions[m][s] = perCent[m][s] / 100;
    return fractions;
}

}  // namespace

int main(int argc, char** argv) {
    const char* filter = argc > 1 ? argv[1] : "";
    const std::uint64_t effort = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 0;
    std::printf("%-38s %8s %6s %9s %9s %9s %8s %8s\n", "budget", "outcomes", "bets", "probable", "greedy", "reached",
                "gain", "seconds");
    double gainSum = 0;
    int cases = 0, below = 0, slow = 0;
    for (const Case& c : Cases) {
        if (std::strstr(c.name, filter) == nullptr) continue;
        SystemRequest request;
        request.forecast = Forecast(c.forecast);
        request.guarantee = c.guarantee;
        request.conditions = c.conditions;
        request.budgetBets = c.bets;
        request.effort = effort;
        if (c.weighted) request.round.probabilities = Fractions(Week);
        request.value.minProbability = c.minProbability;

        // The plain rules over the same S and weights.
        const OutcomeSpace space(request.forecast);
        std::vector<std::uint8_t> inS = ConditionMask(space, c.conditions);
        ApplyValueConditions(space, request.forecast, request.round, request.value, nullptr, inS);
        const BudgetWeights weights = WeighOutcomes(space, inS, request.round.probabilities);
        const int radius = RowCount - c.guarantee;
        WorkBudget unlimited(0, std::nullopt, nullptr, {});
        const double probable =
            ReachedWeight(space, weights, HeaviestOutcomes(weights, c.bets), radius) / weights.total;
        const double greedy =
            ReachedWeight(space, weights, GreedyBudget(space, weights, inS, radius, c.bets, unlimited), radius) /
            weights.total;

        const auto start = std::chrono::steady_clock::now();
        const SystemResult result = BuildSystem(request);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        const double gain = result.coverage - greedy;
        const bool worse = result.failure != SystemFailure::None || result.coverage < probable - 1e-12 ||
                           result.coverage < greedy - 1e-12;
        const bool late = took.count() > c.limit;
        below += worse;
        slow += late;
        gainSum += gain;
        ++cases;
        std::printf("%-38s %8llu %6zu %8.2f%% %8.2f%% %8.2f%% %+7.2f%% %8.2f%s%s\n", c.name,
                    static_cast<unsigned long long>(result.outcomes), result.columns.size(), 100 * probable,
                    100 * greedy, 100 * result.coverage, 100 * gain, took.count(), worse ? "  below a rule" : "",
                    late ? "  slow" : "");
        std::fflush(stdout);
    }
    if (cases > 0)
        std::printf("%d budgets: %+.2f points of coverage over greedy on average; %d below a plain rule, %d over "
                    "their time\n",
                    cases, 100 * gainSum / cases, below, slow);
    return 0;
}
