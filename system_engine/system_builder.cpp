#include "system_builder.h"

#include <algorithm>

#include "ceil_div.h"
#include "condition_mask.h"
#include "construction_table.h"
#include "cover_trimming.h"
#include "first_cover.h"
#include "greedy_cover.h"
#include "work_budget.h"

namespace {

// Outcomes visited by the default search: a few seconds on a small machine.
constexpr std::uint64_t DefaultEffort = 600'000'000;

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
                        int radius, WorkBudget& budget, std::vector<std::uint32_t>& cover, SystemResult result) {
    if (!request.conditions.restricts()) {
        // S is the whole development: every ball is alike and the
        // constructions apply.
        result.lowerBound = CeilDiv(std::uint64_t{space.size()}, space.ballSize(radius));
        const std::uint64_t built = Constructions().size(space.triples(), space.doubles(), radius);
        if (built > MaxSystemColumns) {
            result.refusedSize = built;
            return Failed(result, SystemFailure::TooLarge);
        }
        cover = WholeFirstCover(space, radius, budget);
        if (budget.cancelled()) return Failed(result, SystemFailure::Cancelled);
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
    const std::vector<std::uint8_t> inS = request.conditions.restricts()
                                              ? ConditionMask(space, request.conditions)
                                              : std::vector<std::uint8_t>(space.size(), 1);
    result.outcomes = static_cast<std::uint64_t>(std::count(inS.begin(), inS.end(), 1));
    if (result.outcomes == 0) return Failed(result, SystemFailure::NoOutcome);

    const int radius = RowCount - request.guarantee;
    // Every stage ends by the deadline; only the exact recount comes after.
    const auto deadline = DeadlineIn(request.seconds);
    // This budget only polls the cancel flag and the clock and reports while
    // the first cover is built; the searches have their own.
    WorkBudget budget(0, deadline, progress.cancel, progress.report);
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
            const TrimRequest trim{forecast,
                                   space,
                                   inS,
                                   radius,
                                   request.anywhere,
                                   !request.conditions.restricts(),
                                   static_cast<std::size_t>(result.lowerBound),
                                   request.seed,
                                   request.effort == 0 ? DefaultEffort : request.effort,
                                   deadline,
                                   progress.cancel,
                                   progress.report};
            cover = TrimCover(trim, cover, budget);
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
