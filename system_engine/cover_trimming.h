#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

#include "coupon_model.h"
#include "outcome_space.h"
#include "work_budget.h"

// What BuildSystem does after the first cover: trims it to the smallest
// cover of S a few attempts of the tabu search reach (best_of_attempts.h).
struct TrimRequest {
    const MatchSigns& forecast;        // signs of the varying matches only
    const OutcomeSpace& space;
    const std::vector<std::uint8_t>& inS;
    int radius = 1;
    bool anywhere = false;
    bool whole = false;                // S is the whole development
    std::size_t floor = 0;             // no cover of S is smaller
    std::uint64_t seed = 1;
    std::uint64_t effort = 0;          // outcomes visited by all attempts together
    std::optional<WorkBudget::Clock::time_point> deadline;  // replaces the effort: every stage ends by then
    const std::atomic<bool>* cancel = nullptr;
    WorkBudget::Report report;
};

// `start` covers S. Empty when cancelled; the smallest cover found so far
// when the deadline comes.
std::vector<std::uint32_t> TrimCover(const TrimRequest& trim, const std::vector<std::uint32_t>& start,
                                     WorkBudget& outer);
