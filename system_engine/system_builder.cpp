#include "system_builder.h"

#include <algorithm>

#include "construction_table.h"
#include "greedy_cover.h"
#include "outcome_space.h"
#include "search_budget.h"
#include "system_search.h"

namespace {

// Outcomes visited by the default search: a few seconds on a small machine.
constexpr std::uint64_t DefaultEffort = 600'000'000;
// Above this many outcomes the search's tables grow too large to pay off;
// the first cover is kept as it is.
constexpr std::uint32_t MostSearchedOutcomes = 600'000;
// Greedy is tried beside a construction only while it is quick.
constexpr std::uint64_t GreedyVisitsBesideConstruction = 200'000'000;

std::uint64_t CeilDiv(std::uint64_t a, std::uint64_t b) { return b == 0 ? 0 : (a + b - 1) / b; }

bool RangeValid(const CountRange& range, int top) {
    return range.low >= 0 && range.high <= top && range.low <= range.high;
}

bool ConditionsValid(const ColumnConditions& c) {
    return RangeValid(c.unos, RowCount) && RangeValid(c.equis, RowCount) && RangeValid(c.doses, RowCount) &&
           RangeValid(c.variantes, RowCount) && RangeValid(c.interrupciones, RowCount - 1) &&
           c.seguidosHasta >= 0 && c.seguidosHasta <= RowCount;
}

SystemResult Failed(SystemResult result, SystemFailure failure) {
    result.failure = failure;
    result.columns.clear();
    return result;
}

// The first cover of S within the radius, and the lower bound, or a failure.
SystemResult FirstCover(const SystemRequest& request, const OutcomeSpace& space, const std::vector<std::uint8_t>& inS,
                        int radius, SearchBudget& budget, std::vector<std::uint32_t>& cover, SystemResult result) {
    if (!request.conditions.restricts()) {
        // S is the whole development: every ball is alike and the
        // constructions apply.
        static const ConstructionTable table;
        result.lowerBound = CeilDiv(space.size(), space.ballSize(radius));
        const std::uint64_t built = table.size(space.triples(), space.doubles(), radius);
        if (built > MaxSystemColumns) {
            result.refusedSize = built;
            return Failed(result, SystemFailure::TooLarge);
        }
        cover = ConstructionCover(table, space, radius);
        if (space.size() <= MostSearchedOutcomes &&
            space.size() * space.ballSize(radius) <= GreedyVisitsBesideConstruction) {
            GreedyCover greedy = CoverGreedily(space, inS, radius, true, budget);
            if (budget.cancelled()) return Failed(result, SystemFailure::Cancelled);
            if (greedy.cover.size() < cover.size()) cover = std::move(greedy.cover);
        }
        return result;
    }
    GreedyCover greedy = CoverGreedily(space, inS, radius, request.anywhere, budget);
    if (budget.cancelled()) return Failed(result, SystemFailure::Cancelled);
    result.lowerBound = CeilDiv(result.outcomes, greedy.mostReached);
    if (greedy.cover.size() > MaxSystemColumns) {
        result.refusedSize = greedy.cover.size();
        return Failed(result, SystemFailure::TooLarge);
    }
    cover = std::move(greedy.cover);
    return result;
}

}  // namespace

std::vector<BetColumn> SystemBet(const std::vector<SimpleColumn>& columns) {
    std::vector<BetColumn> bet;
    bet.reserve(columns.size());
    for (const SimpleColumn& column : columns) {
        BetColumn one{static_cast<int>(bet.size()), {}};
        for (int m = 0; m < RowCount; ++m) one.marks[m] = static_cast<SignSet>(1 << column[m]);
        bet.push_back(one);
    }
    return bet;
}

SystemResult BuildSystem(const SystemRequest& request, const SystemProgress& progress) {
    SystemResult result;
    for (int m = 0; m < RowCount; ++m)
        if ((request.forecast[m] & AllSigns) == 0) {
            result.match = m;
            return Failed(result, SystemFailure::MatchWithoutSign);
        }
    if (!ConditionsValid(request.conditions)) return Failed(result, SystemFailure::BadConditions);
    if (request.guarantee < RowCount - ConstructionTable::MaxRadius || request.guarantee > RowCount)
        return Failed(result, SystemFailure::BadGuarantee);

    MatchSigns forecast = request.forecast;
    for (SignSet& signs : forecast) signs &= AllSigns;
    const OutcomeSpace space(forecast);
    result.full = space.size();
    std::vector<std::uint8_t> inS(space.size(), 1);
    if (request.conditions.restricts())
        for (std::uint32_t o = 0; o < space.size(); ++o) inS[o] = MeetsConditions(request.conditions, space.column(o));
    result.outcomes = static_cast<std::uint64_t>(std::count(inS.begin(), inS.end(), 1));
    if (result.outcomes == 0) return Failed(result, SystemFailure::NoOutcome);

    const int radius = RowCount - request.guarantee;
    // This budget only polls the cancel flag and reports while the first
    // cover is built; the searches have their own.
    SearchBudget budget(0, 0, progress.cancel, progress.report);
    std::vector<std::uint32_t> cover;
    if (radius == 0) {
        // Only S itself guarantees every outcome of S.
        result.lowerBound = result.outcomes;
        if (result.outcomes > MaxSystemColumns) {
            result.refusedSize = result.outcomes;
            return Failed(result, SystemFailure::TooLarge);
        }
        for (std::uint32_t o = 0; o < space.size(); ++o)
            if (inS[o]) cover.push_back(o);
    } else {
        result = FirstCover(request, space, inS, radius, budget, cover, result);
        if (result.failure != SystemFailure::None) return result;
        if (space.size() <= MostSearchedOutcomes && cover.size() > result.lowerBound) {
            const SystemSearch search{forecast,
                                      space,
                                      inS,
                                      radius,
                                      request.anywhere,
                                      !request.conditions.restricts(),
                                      static_cast<std::size_t>(result.lowerBound),
                                      request.seed,
                                      request.effort == 0 ? DefaultEffort : request.effort,
                                      request.seconds,
                                      progress.cancel,
                                      progress.report};
            cover = SearchSystem(search, cover, budget);
            if (cover.empty()) return Failed(result, SystemFailure::Cancelled);
        }
        if (budget.cancelled()) return Failed(result, SystemFailure::Cancelled);
    }

    std::sort(cover.begin(), cover.end());
    for (const std::uint32_t o : cover) result.columns.push_back(space.column(o));
    // The search's own bookkeeping is not trusted: the guarantee engine
    // counts every outcome of S again.
    result.profile = Guarantee(SystemBet(result.columns), forecast, request.conditions);
    if (result.profile.guarantee < request.guarantee || result.profile.outcomes != result.outcomes)
        return Failed(result, SystemFailure::Unverified);
    return result;
}
