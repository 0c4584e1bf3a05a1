#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "outcome_space.h"
#include "system_request.h"
#include "work_budget.h"

// What BuildSystem does for a guarantee: the first cover of S and the
// search that trims it. A budget calls it too, when it may buy the
// guarantee.

// What every search works on: the forecast's development and S in it.
struct SearchedOutcomes {
    MatchSigns forecast;
    const OutcomeSpace& space;
    const std::vector<std::uint8_t>& inS;
    bool whole;  // S is the whole development: every ball is alike and the constructions apply
    int radius;
};

// The smallest cover of S the search reaches by the deadline, in `cover`,
// and the lower bound; or a failure.
SystemResult GuaranteeCover(const SystemRequest& request, const SearchedOutcomes& at,
                            std::optional<WorkBudget::Clock::time_point> deadline, const SystemProgress& progress,
                            std::vector<std::uint32_t>& cover, SystemResult result);

// `result` with the failure and no columns.
SystemResult Failed(SystemResult result, SystemFailure failure);
