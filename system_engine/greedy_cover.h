#pragma once

#include <cstdint>
#include <vector>

#include "outcome_space.h"
#include "work_budget.h"

// Plain greedy set cover of S: again and again the column that reaches most
// outcomes still uncovered (the lowest number among equals), until none is.
// It also yields the most outcomes of S one column reaches, which bounds
// every cover from below.
struct GreedyCover {
    std::vector<std::uint32_t> cover;  // empty when cancelled
    std::uint64_t mostReached = 0;     // a ball's size when time ran out before every column was weighed
};

// Columns from S, or from the whole development when `anywhere`. When the
// budget's deadline passes, the outcomes still uncovered are taken in order
// as columns of their own (each reaches itself), so the cover is whole.
GreedyCover CoverGreedily(const OutcomeSpace& space, const std::vector<std::uint8_t>& inS, int radius, bool anywhere,
                          WorkBudget& budget);
