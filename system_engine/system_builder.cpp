#include "system_builder.h"

#include <algorithm>

#include "budget_system.h"
#include "ceil_div.h"
#include "condition_mask.h"
#include "construction_table.h"
#include "greedy_cover.h"
#include "guarantee_cover.h"
#include "work_budget.h"

namespace {

// Outcomes a budget's two searches visit together by default: a second or
// two on a small machine.
constexpr std::uint64_t DefaultBudgetEffort = 200'000'000;

bool RangeValid(const CountRange& range, int top) {
    return range.low >= 0 && range.high <= top && range.low <= range.high;
}

bool ConditionsValid(const ColumnConditions& c) {
    return RangeValid(c.unos, RowCount) && RangeValid(c.equis, RowCount) && RangeValid(c.doses, RowCount) &&
           RangeValid(c.variantes, RowCount) && RangeValid(c.interrupciones, RowCount - 1) &&
           c.seguidosHasta >= 0 && c.seguidosHasta <= RowCount;
}

SystemFailure FailureOf(ValueShortfall shortfall) {
    switch (shortfall) {
        case ValueShortfall::None: return SystemFailure::None;
        case ValueShortfall::Probabilities: return SystemFailure::NoProbabilities;
        case ValueShortfall::PublicShares: return SystemFailure::NoPublicShares;
        case ValueShortfall::PrizeModel: return SystemFailure::NoPrizeModel;
        case ValueShortfall::Cancelled: return SystemFailure::Cancelled;
    }
    return SystemFailure::None;
}

// The budget's columns of best coverage, or a failure.
SystemResult BestCoverage(const SystemRequest& request, const SearchedOutcomes& at, const BudgetWeights& weights,
                          std::optional<WorkBudget::Clock::time_point> deadline, const SystemProgress& progress,
                          std::vector<std::uint32_t>& cover, SystemResult result) {
    const std::vector<std::uint8_t> all(request.anywhere ? at.space.size() : 0, 1);
    const std::vector<std::uint8_t>& candidates = request.anywhere ? all : at.inS;
    const std::uint64_t most = std::min<std::uint64_t>(
        request.budgetBets, static_cast<std::uint64_t>(std::count(candidates.begin(), candidates.end(), 1)));
    if (most > MaxSystemColumns) {
        result.refusedSize = most;
        return Failed(result, SystemFailure::TooLarge);
    }
    const BudgetJob job{at.space,
                        weights,
                        candidates,
                        at.radius,
                        static_cast<std::size_t>(most),
                        request.seed,
                        request.effort == 0 ? DefaultBudgetEffort : request.effort,
                        deadline,
                        progress.cancel,
                        progress.report};
    cover = BuildBudget(job);
    if (cover.empty()) return Failed(result, SystemFailure::Cancelled);
    return result;
}

std::optional<WorkBudget::Clock::time_point> HalfWay(std::optional<WorkBudget::Clock::time_point> deadline) {
    if (!deadline) return deadline;
    const auto now = WorkBudget::Clock::now();
    return now + (*deadline - now) / 2;
}

// A budget: the guarantee system when it fits, else the columns of best
// coverage. The guarantee is searched for whenever the budget reaches its
// lower bound, so that a budget that buys it gets the very system a
// guarantee gives; with half the time when the coverage may still have to
// be searched for.
SystemResult BudgetCover(const SystemRequest& request, const SearchedOutcomes& at, const BudgetWeights& weights,
                         std::optional<WorkBudget::Clock::time_point> deadline, const SystemProgress& progress,
                         std::vector<std::uint32_t>& cover, SystemResult result) {
    const std::uint64_t bets = request.budgetBets;
    std::uint64_t bound = CeilDiv(result.outcomes, at.space.ballSize(at.radius));
    // sure: the first cover already fits, and the search only shrinks it.
    bool sure = at.radius == 0;
    if (bets >= bound && at.radius > 0 && at.whole) {
        sure = bets >= Constructions().size(at.space.triples(), at.space.doubles(), at.radius);
    } else if (bets >= bound && at.radius > 0) {
        // The most of S one column reaches bounds the guarantee closer.
        WorkBudget budget(0, deadline, progress.cancel, progress.report);
        const GreedyCover first = CoverGreedily(at.space, at.inS, at.radius, request.anywhere, budget);
        if (budget.cancelled()) return Failed(result, SystemFailure::Cancelled);
        bound = CeilDiv(result.outcomes, first.mostReached);
        sure = bets >= first.cover.size();
    }
    if (bets >= bound) {
        const SystemResult guaranteed =
            GuaranteeCover(request, at, sure ? deadline : HalfWay(deadline), progress, cover, result);
        if (guaranteed.failure == SystemFailure::Cancelled) return guaranteed;
        if (guaranteed.failure == SystemFailure::None && cover.size() <= bets) return guaranteed;
        cover.clear();
    }
    result.lowerBound = bound;
    return BestCoverage(request, at, weights, deadline, progress, cover, result);
}

}  // namespace

SystemResult BuildSystem(const SystemRequest& request, const SystemProgress& progress) {
    SystemResult result;
    result.budgetBets = request.budgetBets;
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
    std::vector<std::uint8_t> inS = request.conditions.restricts() ? ConditionMask(space, request.conditions)
                                                                   : std::vector<std::uint8_t>(space.size(), 1);
    if (request.value.any()) {
        const ValueShortfall shortfall =
            ApplyValueConditions(space, forecast, request.round, request.value, progress.cancel, inS);
        if (shortfall != ValueShortfall::None) return Failed(result, FailureOf(shortfall));
    }
    result.outcomes = static_cast<std::uint64_t>(std::count(inS.begin(), inS.end(), 1));
    if (result.outcomes == 0) return Failed(result, SystemFailure::NoOutcome);

    const SearchedOutcomes at{forecast, space, inS, result.outcomes == result.full, RowCount - request.guarantee};
    // Every stage ends by the deadline; only the exact recount comes after.
    const auto deadline = DeadlineIn(request.seconds);
    std::vector<std::uint32_t> cover;
    BudgetWeights weights;
    if (request.budgetBets > 0) {
        weights = WeighOutcomes(space, inS, request.round.probabilities);
        result = BudgetCover(request, at, weights, deadline, progress, cover, result);
    } else {
        result = GuaranteeCover(request, at, deadline, progress, cover, result);
    }
    if (result.failure != SystemFailure::None) return result;

    std::sort(cover.begin(), cover.end());
    for (const std::uint32_t o : cover) result.columns.push_back(space.column(o));
    // The search's own bookkeeping is not trusted: the guarantee engine
    // counts every outcome of S again, and a budget's coverage by distances.
    result.profile = Guarantee(SystemBet(result.columns), forecast, inS);
    const bool guaranteed = result.profile.guarantee >= request.guarantee;
    result.coverage = request.budgetBets > 0 ? CoverageOf(result.columns, space, weights, at.radius) : 1;
    if (result.profile.outcomes != result.outcomes || (request.budgetBets == 0 && !guaranteed) ||
        (request.budgetBets > 0 && result.columns.size() > request.budgetBets) || (guaranteed && result.coverage != 1))
        return Failed(result, SystemFailure::Unverified);
    return result;
}
