#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "work_budget.h"

// Several attempts at a small cover, each with its own draw of random
// numbers, on two threads. The searches are erratic: where one settles
// depends on its first steps far more than on how long it goes on, so a few
// shorter attempts reach smaller covers than one long one. The smallest
// cover wins, ties to the earlier attempt, so the result never depends on
// which thread ran which attempt nor on how fast.
struct AttemptControl {
    std::uint64_t seed = 0;
    const std::atomic<bool>* cancel = nullptr;
    const std::atomic<bool>* superseded = nullptr;  // for WorkBudget::stopWhen
    WorkBudget::Report report;                    // set on the calling thread only
    int leftOnThread = 1;                           // this attempt and those after it on its thread, for deadlines
};

// A cover of S; empty when cancelled.
using Attempt = std::function<std::vector<std::uint32_t>(const AttemptControl&)>;

struct AttemptsOutcome {
    std::vector<std::uint32_t> cover;  // empty when cancelled
    bool cancelled = false;
};

// Runs `attempts` attempts; one that comes down to `floor` columns ends every
// later one, which could at best tie with it.
AttemptsOutcome BestOfAttempts(int attempts, std::uint64_t seed, std::size_t floor, const std::atomic<bool>* cancel,
                               const WorkBudget::Report& report, const Attempt& attempt);
