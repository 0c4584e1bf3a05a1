#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "outcome_space.h"
#include "value_conditions.h"
#include "work_budget.h"

// A budget: at most N columns that reach, within the radius, as much as
// they can of S, each outcome weighed by its chance (weighted maximum
// coverage). The two plain rules a budget is measured by, and the count of
// what some columns reach.

struct BudgetWeights {
    // An outcome of S weighs the product of its signs' factors: their
    // chances, or 1 each when every outcome counts alike.
    MatchSignFigures factors{};
    std::vector<double> weight;  // per outcome of the space, 0 outside S
    double total = 0;            // over S
};

// By the round's chances; every outcome of S alike without them, or when
// S has no chance at all.
BudgetWeights WeighOutcomes(const OutcomeSpace& space, const std::vector<std::uint8_t>& inS,
                            const std::optional<MatchSignFigures>& probabilities);

// The `bets` heaviest outcomes of S, ties to the lower number: the best
// budget at radius 0.
std::vector<std::uint32_t> HeaviestOutcomes(const BudgetWeights& weights, std::size_t bets);

// Plain weighted greedy: again and again the candidate (a byte per outcome)
// that reaches most weight still unreached, ties to the lower number, until
// `bets` columns or nothing is left to reach. Stops early, with the columns
// so far, when the budget's deadline passes; empty when cancelled.
std::vector<std::uint32_t> GreedyBudget(const OutcomeSpace& space, const BudgetWeights& weights,
                                        const std::vector<std::uint8_t>& candidates, int radius, std::size_t bets,
                                        WorkBudget& budget);

// No `bets` candidates reach more weight than the `bets` heaviest balls
// together, nor more than S weighs: a budget that reaches this is done.
double WeightCeiling(const OutcomeSpace& space, const BudgetWeights& weights,
                     const std::vector<std::uint8_t>& candidates, int radius, std::size_t bets);
// The ceiling adds its weights in another order and a little above: a
// reached weight this close to it is at it.
inline bool ReachesCeiling(double reached, double ceiling) { return reached >= ceiling * (1 - 1e-8); }

// The weight of S the columns reach within the radius, each outcome once.
double ReachedWeight(const OutcomeSpace& space, const BudgetWeights& weights, const std::vector<std::uint32_t>& columns,
                     int radius);

// The share of S's weight within `radius` misses of some column, counted by
// the guarantee engine's distances rather than by the search: 1 when
// every outcome is, 0 when S weighs nothing.
double CoverageOf(const std::vector<SimpleColumn>& columns, const OutcomeSpace& space, const BudgetWeights& weights,
                  int radius);
