#pragma once

#include <cstdint>
#include <vector>

#include "outcome_space.h"
#include "work_budget.h"

// Above this many outcomes the search's tables grow too large to pay off:
// the first cover is kept as it is.
inline constexpr std::uint32_t MostSearchedOutcomes = 600'000;

// The first cover of a whole development (no conditions) within `radius`,
// before any search trims it: the construction of the table, or plain
// greedy where that is smaller and quick to find. The construction alone
// when the budget is cancelled or runs out of time meanwhile.
std::vector<std::uint32_t> WholeFirstCover(const OutcomeSpace& space, int radius, WorkBudget& budget);
