#include "system_builder.h"

#include <algorithm>

#include "construction_table.h"
#include "cover_search.h"
#include "greedy_cover.h"
#include "outcome_space.h"
#include "search_budget.h"

namespace {

// Outcomes visited by the default search: a few seconds on a small machine.
constexpr std::uint64_t DefaultEffort = 600'000'000;
// Above this many outcomes the search's tables grow too large to pay off;
// the first cover is kept as it is.
constexpr std::uint32_t MostSearchedOutcomes = 600'000;
// Greedy is tried beside a construction only while it is quick.
constexpr std::uint64_t GreedyVisitsBesideConstruction = 200'000'000;
// Large developments also start from a searched cover of one match fewer,
// with this share of the effort.
constexpr std::uint32_t SmallestExtended = 2000;
constexpr std::uint64_t ExtendedShare = 4;

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

// A cover of the whole development (no conditions) with the last varying
// match fixed, searched with `effort`: with every sign of that match added
// back it starts the search of the whole. Empty when not worth it.
std::vector<std::uint32_t> ExtendedCover(const MatchSigns& forecast, const OutcomeSpace& space, int radius,
                                         std::uint64_t seed, std::uint64_t effort, SearchBudget& outer) {
    if (space.size() < SmallestExtended || space.varying() == 0) return {};
    const int last = space.varying() - 1;
    MatchSigns fewer = forecast;
    fewer[space.matchOf(last)] = static_cast<SignSet>(1 << SignOfDigit(forecast[space.matchOf(last)], 0));
    const OutcomeSpace smaller(fewer);
    const std::vector<std::uint8_t> all(smaller.size(), 1);
    static const ConstructionTable table;
    SearchBudget budget(effort, 0, nullptr, {});
    CoverSearch search(smaller, all, radius, true, seed);
    std::vector<std::uint32_t> start = ConstructionCover(table, smaller, radius);
    GreedyCover greedy = CoverGreedily(smaller, all, radius, true, outer);
    if (!greedy.cover.empty() && greedy.cover.size() < start.size()) start = std::move(greedy.cover);
    const std::vector<std::uint32_t> cover =
        search.shrink(start, CeilDiv(smaller.size(), smaller.ballSize(radius)), budget);
    if (!outer.poll(0)) return {};
    std::vector<std::uint32_t> extended;
    for (const std::uint32_t word : cover)
        for (int d = 0; d < space.radix(last); ++d) extended.push_back(word * static_cast<std::uint32_t>(space.radix(last)) + static_cast<std::uint32_t>(d));
    return extended;
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
            const std::uint64_t effort = request.effort == 0 ? DefaultEffort : request.effort;
            std::vector<std::uint32_t> extended =
                ExtendedCover(request.forecast, space, radius, request.seed, effort / ExtendedShare, budget);
            if (budget.cancelled()) return Failed(result, SystemFailure::Cancelled);
            if (!extended.empty() && extended.size() < cover.size()) cover = std::move(extended);
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
    SearchBudget budget(request.effort == 0 ? DefaultEffort : request.effort, request.seconds, progress.cancel,
                        progress.report);
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
            CoverSearch search(space, inS, radius, request.anywhere, request.seed);
            cover = search.shrink(cover, result.lowerBound, budget);
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
