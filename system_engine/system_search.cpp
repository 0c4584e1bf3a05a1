#include "system_search.h"

#include <memory>

#include "construction_table.h"
#include "cover_search.h"
#include "greedy_cover.h"
#include "random_source.h"

namespace {

// Large developments start from a searched cover of one match fewer with
// that match's signs added back (and that one likewise): a product whose
// structure the search trims far better than a greedy cover. Which cover
// of fewer matches trims best shows only after trimming, so such shapes
// make many short attempts, most of their work below the whole. Only for
// radius 1: at larger radii a whole match taken into every column wastes
// what the radius could cover, and the first covers are small already.
// Other shapes make a few long attempts from the same first cover.
constexpr std::uint32_t SmallestExtended = 2000;
constexpr int ChainAttempts = 24;
constexpr int PlainAttempts = 4;
// Of a chain attempt's work: the whole, one match fewer, each level below.
constexpr std::uint64_t WholeParts = 5, NextParts = 15, DeeperParts = 2, ChainParts = 25;

std::uint64_t CeilDiv(std::uint64_t a, std::uint64_t b) { return b == 0 ? 0 : (a + b - 1) / b; }

// The development with the last varying match fixed, and its first cover.
struct Smaller {
    MatchSigns forecast{};
    OutcomeSpace space;
    std::vector<std::uint8_t> all;
    std::vector<std::uint32_t> balls;
    std::vector<std::uint32_t> start;
    std::size_t floor;

    Smaller(const MatchSigns& fewer, int radius, SearchBudget& outer)
        : forecast(fewer), space(fewer), all(space.size(), 1), balls(CoverSearch::ListBalls(space, radius)),
          floor(CeilDiv(space.size(), space.ballSize(radius))) {
        static const ConstructionTable table;
        start = ConstructionCover(table, space, radius);
        GreedyCover greedy = CoverGreedily(space, all, radius, true, outer);
        if (!greedy.cover.empty() && greedy.cover.size() < start.size()) start = std::move(greedy.cover);
    }
};

std::vector<std::uint32_t> Extended(const std::vector<std::uint32_t>& cover, std::uint32_t q) {
    std::vector<std::uint32_t> extended;
    for (const std::uint32_t word : cover)
        for (std::uint32_t d = 0; d < q; ++d) extended.push_back(word * q + d);
    return extended;
}

MatchSigns WithoutLast(const MatchSigns& forecast, const OutcomeSpace& space) {
    const int match = space.matchOf(space.varying() - 1);
    MatchSigns fewer = forecast;
    fewer[match] = static_cast<SignSet>(1 << SignOfDigit(forecast[match], 0));
    return fewer;
}

}  // namespace

std::vector<std::uint32_t> SearchSystem(const SystemSearch& search, const std::vector<std::uint32_t>& start,
                                        SearchBudget& outer) {
    // chain[0] has one match fewer than the whole, chain[1] two, and so on
    // down to a development too small to extend.
    std::vector<std::unique_ptr<Smaller>> chain;
    for (const OutcomeSpace* above = &search.space; search.whole && search.radius == 1 && above->size() >= SmallestExtended;) {
        const MatchSigns& forecast = chain.empty() ? search.forecast : chain.back()->forecast;
        chain.push_back(std::make_unique<Smaller>(WithoutLast(forecast, *above), search.radius, outer));
        if (outer.cancelled()) return {};
        above = &chain.back()->space;
    }
    const std::vector<std::uint32_t> balls = CoverSearch::ListBalls(search.space, search.radius);
    const int attempts = chain.empty() ? PlainAttempts : ChainAttempts;
    const std::uint64_t share = search.effort / static_cast<std::uint64_t>(attempts);
    const std::uint64_t wholeWork = chain.empty() ? share : share * WholeParts / ChainParts;

    const Attempt attempt = [&](const AttemptControl& control) -> std::vector<std::uint32_t> {
        RandomSource draw(control.seed);
        std::vector<std::uint32_t> below;  // the searched cover of the level below, extended
        for (std::size_t level = chain.size(); level-- > 0;) {
            const Smaller& at = *chain[level];
            const std::vector<std::uint32_t>& from = below.empty() || below.size() >= at.start.size() ? at.start : below;
            CoverSearch small(at.space, at.all, search.radius, true, at.balls);
            SearchBudget budget(share * (level == 0 ? NextParts : DeeperParts) / ChainParts, 0, control.cancel, {});
            budget.stopWhen(control.superseded);
            const std::vector<std::uint32_t> found = small.shrink(from, at.floor, draw.next(), budget);
            if (budget.cancelled()) return {};
            const OutcomeSpace& up = level == 0 ? search.space : chain[level - 1]->space;
            below = Extended(found, static_cast<std::uint32_t>(up.radix(up.varying() - 1)));
        }
        const std::vector<std::uint32_t>& from = below.empty() || below.size() >= start.size() ? start : below;
        if (from.size() <= search.floor) return from;
        CoverSearch whole(search.space, search.inS, search.radius, search.anywhere, balls);
        SearchBudget budget(wholeWork, search.seconds > 0 ? search.seconds / control.perThread : 0, control.cancel,
                            control.report);
        budget.stopWhen(control.superseded);
        std::vector<std::uint32_t> cover = whole.shrink(from, search.floor, draw.next(), budget);
        if (budget.cancelled()) return {};
        return cover;
    };
    const AttemptsOutcome outcome =
        BestOfAttempts(attempts, search.seed, search.floor, search.cancel, search.report, attempt);
    return outcome.cover;
}
