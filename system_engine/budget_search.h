#pragma once

#include <cstdint>
#include <vector>

#include "budget_cover.h"
#include "least_loss.h"
#include "listed_balls.h"
#include "outcome_space.h"
#include "random_source.h"
#include "weight_sampler.h"
#include "work_budget.h"

// Tabu search for a budget of fixed size: the state is N columns, its worth
// the weight of S they reach within the radius. A move draws an unreached
// outcome by its weight and puts one of the candidates within reach of it
// in place of a column, the swap that gains most (or loses least); the
// column just moved rests for a few moves and the word taken out for a few
// more, so the search walks on past a local best.
class BudgetSearch {
public:
    // `balls` from ListBalls (listed_balls.h), or empty.
    BudgetSearch(const OutcomeSpace& space, const BudgetWeights& weights, const std::vector<std::uint8_t>& candidates,
                 int radius, const std::vector<std::uint32_t>& balls);

    // From `start` (distinct candidates), the columns of most weight reached
    // before the budget ends; the same start, seed and work give the same
    // columns. `start` itself when it is not bettered. Ends early once the
    // columns reach `ceiling` (see WeightCeiling).
    std::vector<std::uint32_t> improve(const std::vector<std::uint32_t>& start, double ceiling, std::uint64_t seed,
                                       WorkBudget& budget);

private:
    static constexpr std::uint32_t None = ~std::uint32_t{0};
    static constexpr std::uint64_t OneCover = std::uint64_t{1} << 32;

    template <typename Visit>
    void forBall(std::uint32_t center, Visit&& visit) const {
        ForListedBall(space_, radius_, balls_, ballSize_, center, visit);
    }

    struct Swap {
        double gain = 0;      // weight the new word reaches that nothing did
        double cost = 0;      // weight lost with the slot it replaces
        std::uint32_t slot = None;
    };
    Swap weigh(std::uint32_t word, std::uint32_t farSlot, double farCost);
    std::uint32_t drawUnreached();
    void add(std::uint32_t slot, std::uint32_t word);
    void remove(std::uint32_t slot);
    void reached(std::uint32_t outcome);
    void unreached(std::uint32_t outcome);
    void rest(std::uint32_t slot);
    // One move; returns the outcomes visited.
    std::uint64_t step();

    const OutcomeSpace& space_;
    const std::vector<double>& weight_;
    const std::vector<std::uint8_t>& candidates_;
    int radius_;
    std::uint32_t ballSize_;
    const std::vector<std::uint32_t>& balls_;
    RandomSource random_{0};

    // Per outcome of weight: how many slots reach it (high half) and the XOR
    // of those slots, the owner when one does (low half).
    std::vector<std::uint64_t> covered_;
    std::vector<std::uint32_t> unreachedAt_;
    std::vector<std::uint32_t> unreached_;
    WeightSampler unreachedWeight_;
    double reachedWeight_ = 0;

    std::vector<std::uint32_t> code_;
    std::vector<std::uint8_t> inCode_;
    LeastLoss loss_;  // per slot, the weight only it reaches
    std::vector<std::pair<std::uint64_t, std::uint32_t>> resting_;  // (until, slot), oldest first
    std::size_t restingFrom_ = 0;
    std::uint64_t slotRest_ = 1;
    std::uint64_t wordRest_ = 1;
    std::vector<std::uint32_t> wordRestUntil_;
    std::uint64_t moves_ = 0;

    // The best columns met, copied only when a move leaves them.
    std::vector<std::uint32_t> best_;
    bool bestStale_ = false;

    std::vector<double> shared_;  // per slot, scratch for one move
    std::vector<std::uint32_t> words_;
    std::vector<std::uint32_t> touched_;
};
