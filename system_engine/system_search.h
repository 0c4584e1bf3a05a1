#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "multi_start.h"
#include "outcome_space.h"
#include "scrutiny.h"

// The search behind BuildSystem: from a first cover of S to the smallest
// cover a few attempts reach (see multi_start.h).
struct SystemSearch {
    const MatchSigns& forecast;        // signs of the varying matches only
    const OutcomeSpace& space;
    const std::vector<std::uint8_t>& inS;
    int radius = 1;
    bool anywhere = false;
    bool whole = false;                // S is the whole development
    std::size_t floor = 0;             // no cover of S is smaller
    std::uint64_t seed = 1;
    std::uint64_t effort = 0;          // outcomes visited by all attempts together
    double seconds = 0;                // > 0: wall time instead of effort
    const std::atomic<bool>* cancel = nullptr;
    SearchBudget::Report report;
};

// `start` covers S. Empty when cancelled.
std::vector<std::uint32_t> SearchSystem(const SystemSearch& search, const std::vector<std::uint32_t>& start,
                                        SearchBudget& outer);
