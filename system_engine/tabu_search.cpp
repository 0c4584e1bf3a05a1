#include "tabu_search.h"

#include <algorithm>
#include <limits>

TabuSearch::TabuSearch(const OutcomeSpace& space, const std::vector<std::uint8_t>& inS, int radius, bool anywhere,
                         const std::vector<std::uint32_t>& balls)
    : space_(space),
      inS_(inS),
      radius_(radius),
      anywhere_(anywhere),
      ballSize_(static_cast<std::uint32_t>(space.ballSize(radius))),
      balls_(balls),
      covered_(space.size(), 0),
      uncoveredAt_(space.size(), None),
      wordRestUntil_(space.size(), 0) {}

void TabuSearch::markUncovered(std::uint32_t outcome) {
    uncoveredAt_[outcome] = static_cast<std::uint32_t>(uncovered_.size());
    uncovered_.push_back(outcome);
}

void TabuSearch::markCovered(std::uint32_t outcome) {
    const std::uint32_t at = uncoveredAt_[outcome];
    const std::uint32_t last = uncovered_.back();
    uncovered_[at] = last;
    uncoveredAt_[last] = at;
    uncovered_.pop_back();
    uncoveredAt_[outcome] = None;
}

void TabuSearch::add(std::uint32_t slot, std::uint32_t word) {
    code_[slot] = word;
    forBall(word, [&](std::uint32_t o) {
        if (!inS_[o]) return;
        const std::uint64_t was = covered_[o];
        covered_[o] = (was + OneCover) ^ slot;
        if (was < OneCover) {
            markCovered(o);
            loss_.increment(slot);
        } else if (was < 2 * OneCover) {
            loss_.decrement(static_cast<std::uint32_t>(was));
        }
    });
}

void TabuSearch::remove(std::uint32_t slot) {
    forBall(code_[slot], [&](std::uint32_t o) {
        if (!inS_[o]) return;
        const std::uint64_t now = (covered_[o] - OneCover) ^ slot;
        covered_[o] = now;
        if (now < OneCover)
            markUncovered(o);
        else if (now < 2 * OneCover)
            loss_.increment(static_cast<std::uint32_t>(now));
    });
    loss_.set(slot, 0);
}

void TabuSearch::drop(std::uint32_t slot) {
    remove(slot);
    const auto last = static_cast<std::uint32_t>(code_.size() - 1);
    if (slot != last) {
        // The last slot takes the freed number.
        forBall(code_[last], [&](std::uint32_t o) {
            if (inS_[o]) covered_[o] ^= last ^ slot;
        });
        code_[slot] = code_[last];
        loss_.set(slot, loss_.loss(last));
        restUntil_[slot] = restUntil_[last];
    }
    code_.pop_back();
    loss_.popLast();
    restUntil_.pop_back();
}

TabuSearch::Weighed TabuSearch::weigh(std::uint32_t word, std::uint32_t farSlot, std::int64_t farCost) {
    // Plain pointers and local counts: the hottest loop of the search, and
    // the compiler cannot keep members in registers across its stores.
    const std::uint8_t* const inS = inS_.data();
    const std::uint64_t* const covered = covered_.data();
    std::uint32_t* const shared = shared_.data();
    std::uint32_t* const touched = touched_.data();
    std::uint32_t touchedCount = 0;
    std::int64_t gain = 0;
    // Outcomes the new column reaches: uncovered ones are gained, and those
    // only one slot covers are not lost if that slot is replaced.
    const auto visit = [&](std::uint32_t o) {
        if (!inS[o]) return;
        const std::uint64_t state = covered[o];
        if (state < OneCover) {
            ++gain;
        } else if (state < 2 * OneCover) {
            const auto owner = static_cast<std::uint32_t>(state);
            if (shared[owner]++ == 0) touched[touchedCount++] = owner;
        }
    };
    if (balls_.empty()) {
        space_.forBall(word, radius_, visit);
    } else {
        const std::uint32_t* const ball = balls_.data() + static_cast<std::size_t>(word) * ballSize_;
        for (std::uint32_t i = 0; i < ballSize_; ++i) visit(ball[i]);
    }
    Weighed weighed{gain, farCost, farSlot};
    const std::uint64_t* const restUntil = restUntil_.data();
    for (std::uint32_t i = 0; i < touchedCount; ++i) {
        const std::uint32_t s = touched[i];
        const std::int64_t near = static_cast<std::int64_t>(loss_.loss(s)) - shared[s];
        if (restUntil[s] <= moves_ && near < weighed.cost) {
            weighed.cost = near;
            weighed.slot = s;
        }
        shared[s] = 0;
    }
    return weighed;
}

std::uint64_t TabuSearch::step() {
    ++moves_;
    const std::uint32_t target = uncovered_[random_.below(static_cast<std::uint32_t>(uncovered_.size()))];
    const std::uint32_t farSlot = loss_.least(random_, [&](std::uint32_t s) { return restUntil_[s] <= moves_; });
    const std::int64_t farCost =
        farSlot == None ? std::numeric_limits<std::int64_t>::max() / 2 : loss_.loss(farSlot);
    std::uint64_t visited = 0;

    std::int64_t bestDelta = std::numeric_limits<std::int64_t>::max();
    std::uint32_t bestSlot = None, bestWord = None, ties = 0;
    forBall(target, [&](std::uint32_t word) {
        if ((!anywhere_ && !inS_[word]) || wordRestUntil_[word] > moves_) return;
        visited += ballSize_;
        const Weighed weighed = weigh(word, farSlot, farCost);
        if (weighed.slot == None) return;
        const std::int64_t delta = weighed.cost - weighed.gain;
        if (delta < bestDelta) {
            bestDelta = delta;
            bestSlot = weighed.slot;
            bestWord = word;
            ties = 1;
        } else if (delta == bestDelta && random_.below(++ties) == 0) {
            bestSlot = weighed.slot;
            bestWord = word;
        }
    });
    if (bestSlot == None) return visited + 1;
    // The word taken out may not come back for a while, nor the slot move
    // again: without both the search circles on a plateau.
    wordRestUntil_[code_[bestSlot]] = moves_ + WordRest + (code_.size() >= LongRestFrom ? code_.size() / 32 : 0);
    remove(bestSlot);
    add(bestSlot, bestWord);
    restUntil_[bestSlot] = moves_ + 1 + code_.size() / 16 + random_.below(3);
    return visited + 1;
}

std::vector<std::uint32_t> TabuSearch::shrink(const std::vector<std::uint32_t>& cover, std::size_t floor,
                                               std::uint64_t seed, WorkBudget& budget) {
    random_ = RandomSource(seed);
    moves_ = 0;
    std::fill(covered_.begin(), covered_.end(), 0);
    std::fill(wordRestUntil_.begin(), wordRestUntil_.end(), 0);
    std::fill(uncoveredAt_.begin(), uncoveredAt_.end(), None);
    uncovered_.clear();
    for (std::uint32_t o = 0; o < space_.size(); ++o)
        if (inS_[o]) markUncovered(o);
    const auto slots = static_cast<std::uint32_t>(cover.size());
    code_.assign(slots, 0);
    loss_.reset(slots, static_cast<std::uint32_t>(space_.ballSize(radius_)));
    restUntil_.assign(slots, 0);
    shared_.assign(slots, 0);
    touched_.assign(ballSize_, 0);  // at most one owner per outcome of a ball
    for (std::uint32_t s = 0; s < slots; ++s) add(s, cover[s]);
    std::vector<std::uint32_t> best = uncovered_.empty() ? cover : std::vector<std::uint32_t>{};
    // A size may take as much work as all larger sizes together, plus a
    // little: a size out of reach ends the search early.
    const std::uint64_t floorWork = LevelWork * inS_.size() * space_.ballSize(radius_);
    for (;;) {
        const std::uint64_t levelEnd = 2 * budget.spent() + floorWork;
        while (!uncovered_.empty())
            if (!budget.spend(step(), best.size()) || budget.spent() > levelEnd) return best;
        best = code_;
        if (code_.size() <= std::max<std::size_t>(floor, 1)) return best;
        drop(loss_.least(random_, [](std::uint32_t) { return true; }));
    }
}
