#pragma once

#include <cstdint>
#include <vector>

#include "outcome_space.h"
#include "search_budget.h"

// Plain greedy set cover of S: again and again the column that reaches most
// outcomes still uncovered (the lowest number among equals), until none is.
// It also yields the most outcomes of S one column reaches, which bounds
// every cover from below.
struct GreedyCover {
    std::vector<std::uint32_t> cover;  // empty when cancelled
    std::uint64_t mostReached = 0;
};

// Columns from S, or from the whole development when `anywhere`.
GreedyCover CoverGreedily(const OutcomeSpace& space, const std::vector<std::uint8_t>& inS, int radius, bool anywhere,
                          SearchBudget& budget);

// The most outcomes of S one column reaches (no cover built).
std::uint64_t MostReached(const OutcomeSpace& space, const std::vector<std::uint8_t>& inS, int radius, bool anywhere,
                          SearchBudget& budget);
