#pragma once

#include <cstdint>
#include <vector>

#include "listed_balls.h"
#include "outcome_space.h"
#include "loss_buckets.h"
#include "random_source.h"
#include "work_budget.h"

// Tabu search for a smaller cover (after Östergård and Davies & Royle): the
// state is k columns, its cost the outcomes of S no column reaches within
// the radius. A move takes an uncovered outcome at random and puts one of
// the columns within reach of it in place of a column of the code, the move
// that leaves fewest uncovered; a column just moved rests for a few moves.
// Once nothing is uncovered the column that covers least alone is dropped
// and the search starts over with k - 1.
class TabuSearch {
public:
    // `inS[i]` marks the outcomes to cover; columns are taken from S, or
    // from the whole development when `anywhere`.
    // `balls` from ListBalls (listed_balls.h), shared by searches of the same space.
    TabuSearch(const OutcomeSpace& space, const std::vector<std::uint8_t>& inS, int radius, bool anywhere,
                const std::vector<std::uint32_t>& balls);


    // From a cover of S, the smallest cover reached before the budget ends
    // or the size comes down to `floor`. Each call starts afresh: the same
    // cover, floor, seed and work give the same result.
    std::vector<std::uint32_t> shrink(const std::vector<std::uint32_t>& cover, std::size_t floor, std::uint64_t seed,
                                      WorkBudget& budget);

private:
    static constexpr std::uint32_t None = ~std::uint32_t{0};
    static constexpr std::uint64_t WordRest = 10;
    static constexpr std::size_t LongRestFrom = 256;  // codes this large rest words longer
    static constexpr std::uint64_t LevelWork = 5000;

    // The outcomes within the radius of `center`, from the table when the
    // balls were small enough to list once.
    template <typename Visit>
    void forBall(std::uint32_t center, Visit&& visit) const {
        ForListedBall(space_, radius_, balls_, ballSize_, center, visit);
    }

    // Of the outcomes `word` reaches: how many are uncovered, and the slot
    // whose replacement by `word` loses fewest (`farSlot` at `farCost`, or
    // one sharing outcomes with it); its loss net of those shared.
    struct Weighed {
        std::int64_t gain;
        std::int64_t cost;
        std::uint32_t slot;
    };
    Weighed weigh(std::uint32_t word, std::uint32_t farSlot, std::int64_t farCost);

    void add(std::uint32_t slot, std::uint32_t word);
    void remove(std::uint32_t slot);
    void drop(std::uint32_t slot);
    // One move; returns the outcomes visited.
    std::uint64_t step();
    void markCovered(std::uint32_t outcome);
    void markUncovered(std::uint32_t outcome);

    const OutcomeSpace& space_;
    const std::vector<std::uint8_t>& inS_;
    int radius_;
    bool anywhere_;
    RandomSource random_{0};
    std::uint32_t ballSize_;
    const std::vector<std::uint32_t>& balls_;  // ballSize_ outcomes per outcome, or empty

    // Per outcome, one word read at once in the moves: the number of slots
    // that cover it (high half) and the XOR of those slots, which is the
    // owner when one does (low half).
    static constexpr std::uint64_t OneCover = std::uint64_t{1} << 32;
    std::vector<std::uint64_t> covered_;
    std::vector<std::uint32_t> uncoveredAt_;
    std::vector<std::uint32_t> uncovered_;

    std::vector<std::uint32_t> code_;
    LossBuckets loss_;  // per slot, the outcomes only it covers
    std::vector<std::uint64_t> restUntil_;
    std::vector<std::uint64_t> wordRestUntil_;
    std::uint64_t moves_ = 0;

    std::vector<std::uint32_t> shared_;  // per slot, scratch for one move
    std::vector<std::uint32_t> touched_;
};
