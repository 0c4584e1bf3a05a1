#include "cover_trimming.h"

#include <algorithm>
#include <memory>

#include "best_of_attempts.h"
#include "ceil_div.h"
#include "first_cover.h"
#include "listed_balls.h"
#include "random_source.h"
#include "tabu_search.h"

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

// The development with the last varying match fixed, and its first cover.
struct Smaller {
    MatchSigns forecast{};
    OutcomeSpace space;
    std::vector<std::uint8_t> all;
    std::vector<std::uint32_t> balls;
    std::vector<std::uint32_t> start;
    std::size_t floor;

    Smaller(const MatchSigns& fewer, int radius, WorkBudget& outer)
        : forecast(fewer), space(fewer), all(space.size(), 1), balls(ListBalls(space, radius)),
          start(WholeFirstCover(space, radius, outer)),
          floor(CeilDiv(std::uint64_t{space.size()}, space.ballSize(radius))) {}
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
    fewer[match] = space.signBit(match, 0);
    return fewer;
}

// How one attempt spends its share: by work, or by the clock when there is
// a deadline. A stage gets `parts` of `ChainParts` of the attempt; the last
// stage whatever is left of it.
class AttemptClock {
public:
    AttemptClock(const TrimRequest& trim, const AttemptControl& control, std::uint64_t share)
        : deadline_(trim.deadline), share_(share) {
        if (!deadline_) return;
        const auto now = WorkBudget::Clock::now();
        slice_ = now < *deadline_ ? (*deadline_ - now) / control.leftOnThread : WorkBudget::Clock::duration{0};
        end_ = now + slice_;
    }
    std::uint64_t work(std::uint64_t parts) const { return share_ * parts / ChainParts; }
    std::optional<WorkBudget::Clock::time_point> until(std::uint64_t parts) const {
        if (!deadline_) return std::nullopt;
        return std::min(end_, WorkBudget::Clock::now() + slice_ * static_cast<long>(parts) / static_cast<long>(ChainParts));
    }
    std::optional<WorkBudget::Clock::time_point> untilEnd() const {
        if (!deadline_) return std::nullopt;
        return end_;
    }

private:
    std::optional<WorkBudget::Clock::time_point> deadline_;
    std::uint64_t share_;
    WorkBudget::Clock::duration slice_{};
    WorkBudget::Clock::time_point end_{};
};

}  // namespace

std::vector<std::uint32_t> TrimCover(const TrimRequest& trim, const std::vector<std::uint32_t>& start,
                                     WorkBudget& outer) {
    // chain[0] has one match fewer than the whole, chain[1] two, and so on
    // down to a development too small to extend.
    std::vector<std::unique_ptr<Smaller>> chain;
    for (const OutcomeSpace* above = &trim.space; trim.whole && trim.radius == 1 && above->size() >= SmallestExtended;) {
        const MatchSigns& forecast = chain.empty() ? trim.forecast : chain.back()->forecast;
        chain.push_back(std::make_unique<Smaller>(WithoutLast(forecast, *above), trim.radius, outer));
        if (outer.cancelled()) return {};
        above = &chain.back()->space;
    }
    const std::vector<std::uint32_t> balls = ListBalls(trim.space, trim.radius);
    const int attempts = chain.empty() ? PlainAttempts : ChainAttempts;
    const std::uint64_t share = trim.effort / static_cast<std::uint64_t>(attempts);
    const std::uint64_t wholeParts = chain.empty() ? ChainParts : WholeParts;

    const Attempt attempt = [&](const AttemptControl& control) -> std::vector<std::uint32_t> {
        const AttemptClock clock(trim, control, share);
        RandomSource draw(control.seed);
        std::vector<std::uint32_t> below;  // the searched cover of the level below, extended
        for (std::size_t level = chain.size(); level-- > 0;) {
            const Smaller& at = *chain[level];
            const std::vector<std::uint32_t>& from = below.empty() || below.size() >= at.start.size() ? at.start : below;
            TabuSearch small(at.space, at.all, trim.radius, true, at.balls);
            const std::uint64_t parts = level == 0 ? NextParts : DeeperParts;
            WorkBudget budget(clock.work(parts), clock.until(parts), control.cancel, {});
            budget.stopWhen(control.superseded);
            const std::vector<std::uint32_t> found = small.shrink(from, at.floor, draw.next(), budget);
            if (budget.cancelled()) return {};
            const OutcomeSpace& up = level == 0 ? trim.space : chain[level - 1]->space;
            below = Extended(found, static_cast<std::uint32_t>(up.radix(up.varying() - 1)));
        }
        const std::vector<std::uint32_t>& from = below.empty() || below.size() >= start.size() ? start : below;
        if (from.size() <= trim.floor) return from;
        TabuSearch whole(trim.space, trim.inS, trim.radius, trim.anywhere, balls);
        WorkBudget budget(clock.work(wholeParts), clock.untilEnd(), control.cancel, control.report);
        budget.stopWhen(control.superseded);
        std::vector<std::uint32_t> cover = whole.shrink(from, trim.floor, draw.next(), budget);
        if (budget.cancelled()) return {};
        return cover;
    };
    const AttemptsOutcome outcome = BestOfAttempts(attempts, trim.seed, trim.floor, trim.cancel, trim.report, attempt);
    return outcome.cover;
}
