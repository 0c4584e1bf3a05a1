#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

#include "budget_cover.h"
#include "outcome_space.h"
#include "work_budget.h"

// What BuildSystem does for a budget that cannot buy the guarantee: the
// better of the two plain rules (the heaviest outcomes, weighted greedy),
// then a tabu search from it on two threads; the best of all, counted
// afresh, so a budget never reaches less than either plain rule.
struct BudgetJob {
    const OutcomeSpace& space;
    const BudgetWeights& weights;
    const std::vector<std::uint8_t>& candidates;  // the columns it may take: S, or every outcome
    int radius = 1;
    std::size_t bets = 1;
    std::uint64_t seed = 1;
    std::uint64_t effort = 0;  // outcomes the searches visit together
    std::optional<WorkBudget::Clock::time_point> deadline;
    const std::atomic<bool>* cancel = nullptr;
    WorkBudget::Report report;
};

// At most `bets` columns; empty when cancelled.
std::vector<std::uint32_t> BuildBudget(const BudgetJob& job);
