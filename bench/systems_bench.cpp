// Builds every shape of the systems table with the default effort and prints
// the size reached beside the best known, the lower bound and the time; then
// conditioned forecasts players use, beside plain greedy set cover of the
// same outcomes, and the average saving.
// Usage: systems_bench [FILTER]   (only the rows whose name contains FILTER)

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "condition_mask.h"
#include "greedy_cover.h"
#include "outcome_space.h"
#include "scrutiny.h"
#include "system_builder.h"

namespace {

struct Case {
    int triples, doubles, guarantee;
    std::uint64_t bestKnown, mustReach;
};

// Best known: Kéri's tables; mixed shapes: the systems in use.
const std::vector<Case> Cases = {
    {2, 0, 13, 3, 3},     {3, 0, 13, 5, 5},     {4, 0, 13, 9, 9},     {5, 0, 13, 27, 27},
    {6, 0, 13, 73, 73},   {7, 0, 13, 186, 205}, {8, 0, 13, 486, 535}, {3, 0, 12, 3, 3},
    {4, 0, 12, 3, 3},     {5, 0, 12, 8, 8},     {6, 0, 12, 17, 17},   {7, 0, 12, 34, 34},
    {8, 0, 12, 81, 81},   {5, 0, 11, 3, 3},     {6, 0, 11, 6, 6},     {7, 0, 11, 12, 12},
    {8, 0, 11, 27, 27},   {6, 0, 10, 3, 3},     {7, 0, 10, 3, 3},     {8, 0, 10, 9, 9},
    {0, 4, 13, 4, 4},     {0, 5, 13, 7, 7},     {0, 6, 13, 12, 12},   {0, 7, 13, 16, 16},
    {0, 8, 13, 32, 32},   {0, 9, 13, 62, 62},   {0, 10, 13, 120, 132}, {0, 11, 13, 192, 211},
    {0, 5, 12, 2, 2},     {0, 6, 12, 4, 4},     {0, 7, 12, 7, 7},     {0, 8, 12, 12, 12},
    {0, 9, 12, 16, 16},   {0, 10, 12, 30, 33},  {0, 11, 12, 44, 48},  {3, 3, 13, 24, 24},
    {2, 6, 13, 64, 64},   {4, 4, 13, 144, 144}, {4, 4, 12, 24, 24},   {4, 4, 11, 10, 10},
    {3, 7, 10, 8, 8},
};

// A forecast as players write it, one token a match ("1X2 1X 1 ..."), and
// the conditions on its columns.
struct Conditioned {
    const char* name;
    const char* forecast;
    int guarantee;
    ColumnConditions conditions;
};

ColumnConditions Conditions(CountRange unos, CountRange equis, CountRange doses, CountRange variantes,
                            CountRange interrupciones, int seguidos) {
    return {unos, equis, doses, variantes, interrupciones, seguidos};
}

constexpr CountRange Any{0, RowCount};
constexpr CountRange AnyChanges{0, RowCount - 1};

const std::vector<Conditioned> ConditionedCases = {
    {"6T unos 7-10", "1X2 1 1X2 1 X 1X2 1 2 1X2 1 1 1X2 1 X", 13, Conditions({7, 10}, Any, Any, Any, AnyChanges, 14)},
    {"6T variantes 3-6", "1X2 1 1X2 1 X 1X2 1 2 1X2 1 1 1X2 1 X", 12, Conditions(Any, Any, Any, {3, 6}, AnyChanges, 14)},
    {"7T unos 6-9 seguidos 4", "1X2 1 1X2 X 1X2 1 1X2 2 1 1X2 1 1X2 1 1", 13, Conditions({6, 9}, Any, Any, Any, AnyChanges, 4)},
    {"7T equis 1-4 doses 1-3", "1X2 1 1X2 X 1X2 1 1X2 2 1 1X2 1 1X2 1 1", 12, Conditions(Any, {1, 4}, {1, 3}, Any, AnyChanges, 14)},
    {"7T interrupciones 5-10", "1X2 1 1X2 X 1X2 1 1X2 2 1 1X2 1 1X2 1 1", 13, Conditions(Any, Any, Any, Any, {5, 10}, 14)},
    {"8T variantes 3-6", "1X2 1X2 1 1X2 1X2 X 1X2 1 1X2 1 1X2 2 1X2 1", 13, Conditions(Any, Any, Any, {3, 6}, AnyChanges, 14)},
    {"8T unos 6-9 equis 1-4", "1X2 1X2 1 1X2 1X2 X 1X2 1 1X2 1 1X2 2 1X2 1", 12, Conditions({6, 9}, {1, 4}, Any, Any, AnyChanges, 14)},
    {"8T interrupciones 6-11", "1X2 1X2 1 1X2 1X2 X 1X2 1 1X2 1 1X2 2 1X2 1", 11, Conditions(Any, Any, Any, Any, {6, 11}, 14)},
    {"5T+4D unos 6-9", "1X2 1X 1 1X2 X2 1 1X2 1X 2 1X2 1 12 1X2 1", 13, Conditions({6, 9}, Any, Any, Any, AnyChanges, 14)},
    {"4T+5D variantes 3-7 interr. 4-10", "1X2 1X 1X2 X2 1 1X2 1X 1 1X2 12 1 1X 2 1", 12,
     Conditions(Any, Any, Any, {3, 7}, {4, 10}, 14)},
    {"3T+6D equis 1-4", "1X 1X2 1X 1 X2 1X2 1X 1 12 1X2 1 1X 1 2", 13, Conditions(Any, {1, 4}, Any, Any, AnyChanges, 14)},
    {"6T+3D unos 6-9 doses 1-4", "1X2 1X 1 1X2 1X2 X 1X2 1X 1 1X2 2 1X2 X2 1", 13,
     Conditions({6, 9}, Any, {1, 4}, Any, AnyChanges, 14)},
    {"5T+5D variantes 3-7 seguidos 4", "1X2 1X 1X2 1 X2 1X2 1X 1 1X2 12 1X2 1X 1 1", 12,
     Conditions(Any, Any, Any, {3, 7}, AnyChanges, 4)},
    {"4T+4D unos 5-9 equis 1-5", "1X2 1X 1 1X2 X2 1 1X2 1X 2 1X2 12 1 1 X", 13, Conditions({5, 9}, {1, 5}, Any, Any, AnyChanges, 14)},
};

// The cases are written as the command line reads forecasts.
MatchSigns Forecast(const char* text) {
    std::string error;
    return ParseMatchSigns(text, false, error).value_or(MatchSigns{});
}

// Plain greedy set cover of S, columns from S.
std::size_t GreedySize(const SystemRequest& request) {
    const OutcomeSpace space(request.forecast);
    const std::vector<std::uint8_t> inS = ConditionMask(space, request.conditions);
    WorkBudget budget(0, std::nullopt, nullptr, {});
    return CoverGreedily(space, inS, RowCount - request.guarantee, false, budget).cover.size();
}

std::string Shape(const Case& c) {
    std::string text;
    if (c.triples) text += std::to_string(c.triples) + "T";
    if (c.doubles) text += (text.empty() ? "" : "+") + std::to_string(c.doubles) + "D";
    return text + " al " + std::to_string(c.guarantee);
}

}  // namespace

int main(int argc, char** argv) {
    const char* filter = argc > 1 ? argv[1] : "";
    std::printf("%-12s %8s %8s %8s %8s %8s\n", "shape", "reached", "best", "needed", "bound", "seconds");
    int missed = 0;
    for (const Case& c : Cases) {
        const std::string shape = Shape(c);
        if (std::strstr(shape.c_str(), filter) == nullptr) continue;
        SystemRequest request;
        for (int m = 0; m < RowCount; ++m)
            request.forecast[m] = m < c.triples ? 7 : m < c.triples + c.doubles ? 3 : 1;
        request.guarantee = c.guarantee;
        const auto start = std::chrono::steady_clock::now();
        const SystemResult result = BuildSystem(request);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        const bool reached = result.failure == SystemFailure::None && result.columns.size() <= c.mustReach;
        missed += !reached;
        std::printf("%-12s %8zu %8llu %8llu %8llu %8.2f%s\n", shape.c_str(), result.columns.size(),
                    static_cast<unsigned long long>(c.bestKnown), static_cast<unsigned long long>(c.mustReach),
                    static_cast<unsigned long long>(result.lowerBound), took.count(), reached ? "" : "  *");
        std::fflush(stdout);
    }
    std::printf("%d shapes above the size needed (*)\n", missed);

    std::printf("\n%-34s %6s %8s %8s %8s %8s %8s\n", "conditioned", "al", "outcomes", "greedy", "reached", "saved",
                "seconds");
    double savedSum = 0;
    int cases = 0, larger = 0;
    for (const Conditioned& c : ConditionedCases) {
        if (std::strstr(c.name, filter) == nullptr) continue;
        SystemRequest request;
        request.forecast = Forecast(c.forecast);
        request.guarantee = c.guarantee;
        request.conditions = c.conditions;
        const std::size_t greedy = GreedySize(request);
        const auto start = std::chrono::steady_clock::now();
        const SystemResult result = BuildSystem(request);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        const std::size_t size = result.columns.size();
        const double saved = 1.0 - static_cast<double>(size) / static_cast<double>(greedy);
        const bool worse = result.failure != SystemFailure::None || size > greedy;
        larger += worse;
        savedSum += saved;
        ++cases;
        std::printf("%-34s %6d %8llu %8zu %8zu %7.1f%% %8.2f%s\n", c.name, c.guarantee,
                    static_cast<unsigned long long>(result.outcomes), greedy, size, 100 * saved, took.count(),
                    worse ? "  *" : "");
        std::fflush(stdout);
    }
    if (cases > 0)
        std::printf("%d conditioned: %.1f %% fewer columns than greedy on average; %d larger than greedy (*)\n", cases,
                    100 * savedSum / cases, larger);
    return 0;
}
