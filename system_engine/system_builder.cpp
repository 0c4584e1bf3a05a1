#include "system_builder.h"

#include <algorithm>

#include "budget_system.h"
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
// The same for a budget's two searches together.
constexpr std::uint64_t DefaultBudgetEffort = 200'000'000;

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

// What every search works on: the forecast's development and S in it.
struct Outcomes {
    MatchSigns forecast;
    const OutcomeSpace& space;
    const std::vector<std::uint8_t>& inS;
    bool whole;  // S is the whole development: every ball is alike and the constructions apply
    int radius;
};

// The first cover of S within the radius, and the lower bound, or a failure.
SystemResult FirstCover(const SystemRequest& request, const Outcomes& at, WorkBudget& budget,
                        std::vector<std::uint32_t>& cover, SystemResult result) {
    if (at.whole) {
        result.lowerBound = CeilDiv(std::uint64_t{at.space.size()}, at.space.ballSize(at.radius));
        const std::uint64_t built = Constructions().size(at.space.triples(), at.space.doubles(), at.radius);
        if (built > MaxSystemColumns) {
            result.refusedSize = built;
            return Failed(result, SystemFailure::TooLarge);
        }
        cover = WholeFirstCover(at.space, at.radius, budget);
        if (budget.cancelled()) return Failed(result, SystemFailure::Cancelled);
        return result;
    }
    GreedyCover greedy = CoverGreedily(at.space, at.inS, at.radius, request.anywhere, budget);
    if (budget.cancelled()) return Failed(result, SystemFailure::Cancelled);
    result.lowerBound = CeilDiv(result.outcomes, greedy.mostReached);
    if (greedy.cover.size() > MaxSystemColumns) {
        result.refusedSize = greedy.cover.size();
        return Failed(result, SystemFailure::TooLarge);
    }
    cover = std::move(greedy.cover);
    return result;
}

// The smallest cover of S the search reaches by the deadline, or a failure.
SystemResult GuaranteeCover(const SystemRequest& request, const Outcomes& at,
                            std::optional<WorkBudget::Clock::time_point> deadline, const SystemProgress& progress,
                            std::vector<std::uint32_t>& cover, SystemResult result) {
    // This budget only polls the cancel flag and the clock and reports while
    // the first cover is built; the searches have their own.
    WorkBudget budget(0, deadline, progress.cancel, progress.report);
    if (at.radius == 0) {
        // Only S itself guarantees every outcome of S.
        result.lowerBound = result.outcomes;
        if (result.outcomes > MaxSystemColumns) {
            result.refusedSize = result.outcomes;
            return Failed(result, SystemFailure::TooLarge);
        }
        for (std::uint32_t o = 0; o < at.space.size(); ++o)
            if (at.inS[o]) cover.push_back(o);
        return result;
    }
    result = FirstCover(request, at, budget, cover, result);
    if (result.failure != SystemFailure::None) return result;
    if (at.space.size() <= MostSearchedOutcomes && cover.size() > result.lowerBound) {
        const TrimRequest trim{at.forecast,      at.space, at.inS, at.radius,
                               request.anywhere, at.whole, static_cast<std::size_t>(result.lowerBound),
                               request.seed,     request.effort == 0 ? DefaultEffort : request.effort,
                               deadline,         progress.cancel,    progress.report};
        cover = TrimCover(trim, cover, budget);
        if (cover.empty()) return Failed(result, SystemFailure::Cancelled);
    }
    if (budget.cancelled()) return Failed(result, SystemFailure::Cancelled);
    return result;
}

// A budget: the guarantee system when it fits, else the columns of best
// coverage. The guarantee is searched for only when the budget reaches its
// lower bound, with half the time when the budget may still have to search.
SystemResult BudgetCover(const SystemRequest& request, const Outcomes& at, const BudgetWeights& weights,
                         std::optional<WorkBudget::Clock::time_point> deadline, const SystemProgress& progress,
                         std::vector<std::uint32_t>& cover, SystemResult result) {
    const std::uint64_t bound = CeilDiv(result.outcomes, at.space.ballSize(at.radius));
    if (request.budgetBets >= bound) {
        const bool fits = at.whole && at.radius > 0 &&
                          request.budgetBets >= Constructions().size(at.space.triples(), at.space.doubles(), at.radius);
        auto until = deadline;
        if (deadline && !fits) until = WorkBudget::Clock::now() + (*deadline - WorkBudget::Clock::now()) / 2;
        const SystemResult guaranteed = GuaranteeCover(request, at, until, progress, cover, result);
        if (guaranteed.failure == SystemFailure::Cancelled) return guaranteed;
        if (guaranteed.failure == SystemFailure::None && cover.size() <= request.budgetBets) return guaranteed;
        cover.clear();
    }
    result.lowerBound = bound;
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

    const Outcomes at{forecast, space, inS, result.outcomes == result.full, RowCount - request.guarantee};
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
