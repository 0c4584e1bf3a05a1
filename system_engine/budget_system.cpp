#include "budget_system.h"

#include <algorithm>
#include <thread>

#include "budget_search.h"
#include "first_cover.h"
#include "listed_balls.h"
#include "random_source.h"
#include "tabu_search.h"

namespace {

constexpr int Threads = 2;

// Weighs the plain rules and keeps the better, greedy among equals.
std::vector<std::uint32_t> BetterRule(const BudgetJob& job, std::size_t bets, WorkBudget& outer, double& reached) {
    std::vector<std::uint32_t> heaviest = HeaviestOutcomes(job.weights, bets);
    if (job.radius == 0) return heaviest;
    std::vector<std::uint32_t> greedy = GreedyBudget(job.space, job.weights, job.candidates, job.radius, bets, outer);
    if (outer.cancelled()) return {};
    if (greedy.size() < bets && outer.expired()) {
        // Out of time: the heaviest outcomes fill the bets greedy left.
        std::vector<std::uint8_t> taken(job.space.size(), 0);
        for (const std::uint32_t o : greedy) taken[o] = 1;
        for (std::size_t i = 0; i < heaviest.size() && greedy.size() < bets; ++i)
            if (!taken[heaviest[i]]) greedy.push_back(heaviest[i]);
    }
    const double byWeight = ReachedWeight(job.space, job.weights, heaviest, job.radius);
    reached = ReachedWeight(job.space, job.weights, greedy, job.radius);
    if (reached >= byWeight) return greedy;
    reached = byWeight;
    return heaviest;
}

}  // namespace

std::vector<std::uint32_t> BuildBudget(const BudgetJob& job) {
    WorkBudget outer(0, job.deadline, job.cancel, job.report);
    const std::size_t candidates = static_cast<std::size_t>(std::count(job.candidates.begin(), job.candidates.end(), 1));
    const std::size_t bets = std::min(job.bets, candidates);
    double startReached = 0;
    const std::vector<std::uint32_t> start = BetterRule(job, bets, outer, startReached);
    if (outer.cancelled()) return {};
    // Radius 0 is solved; a start short of the budget has reached all
    // there is, or ran out of time.
    if (job.radius == 0 || start.size() < bets || start.empty() || outer.expired()) return start;
    const double ceiling = WeightCeiling(job.space, job.weights, job.candidates, job.radius, bets);
    if (ReachesCeiling(startReached, ceiling)) return start;

    // Beyond this size two searches' tables weigh too much, and each visit
    // misses the cache: one search, with half the effort of one.
    const bool large = job.space.size() > MostSearchedOutcomes;
    const int attempts = large ? 1 : Threads;
    const std::uint64_t effort = job.effort / Threads / (large ? 2 : 1);
    const std::vector<std::uint32_t> balls = ListBalls(job.space, job.radius);
    RandomSource draw(job.seed);
    std::vector<std::uint64_t> seeds(static_cast<std::size_t>(attempts));
    for (std::uint64_t& seed : seeds) seed = draw.next();
    std::vector<std::vector<std::uint32_t>> found(seeds.size());
    std::vector<std::uint8_t> cancelled(seeds.size(), 0);
    const auto run = [&](int i) {
        BudgetSearch search(job.space, job.weights, job.candidates, job.radius, balls);
        WorkBudget budget(effort, job.deadline, job.cancel,
                          i == 0 ? job.report : WorkBudget::Report{});
        found[i] = search.improve(start, ceiling, seeds[i], budget);
        cancelled[i] = budget.cancelled();
    };
    std::thread helper;
    if (attempts > 1) helper = std::thread(run, 1);
    run(0);
    if (helper.joinable()) helper.join();
    if (std::count(cancelled.begin(), cancelled.end(), 1) > 0 || (job.cancel && job.cancel->load())) return {};

    // Counted afresh, not from the searches' running sums; ties keep the
    // start, then the earlier attempt, whatever thread was quicker.
    std::vector<std::uint32_t> best = start;
    double bestReached = startReached;
    for (const std::vector<std::uint32_t>& columns : found) {
        const double reached = ReachedWeight(job.space, job.weights, columns, job.radius);
        if (reached > bestReached) {
            bestReached = reached;
            best = columns;
        }
    }
    return best;
}
