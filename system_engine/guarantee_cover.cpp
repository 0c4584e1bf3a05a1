#include "guarantee_cover.h"

#include "ceil_div.h"
#include "construction_table.h"
#include "cover_trimming.h"
#include "first_cover.h"
#include "greedy_cover.h"

namespace {

// Outcomes visited by the default search: a few seconds on a small machine.
constexpr std::uint64_t DefaultEffort = 600'000'000;

// The first cover of S within the radius, and the lower bound, or a failure.
SystemResult FirstCover(const SystemRequest& request, const SearchedOutcomes& at, WorkBudget& budget,
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

}  // namespace

SystemResult Failed(SystemResult result, SystemFailure failure) {
    result.failure = failure;
    result.columns.clear();
    return result;
}

SystemResult GuaranteeCover(const SystemRequest& request, const SearchedOutcomes& at,
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

