#include "cover_search.h"

#include <algorithm>
#include <limits>

CoverSearch::CoverSearch(const OutcomeSpace& space, const std::vector<std::uint8_t>& inS, int radius, bool anywhere,
                         std::uint64_t seed)
    : space_(space),
      inS_(inS),
      radius_(radius),
      anywhere_(anywhere),
      random_(seed),
      ballSize_(static_cast<std::uint32_t>(space.ballSize(radius))),
      coverCount_(space.size(), 0),
      ownerXor_(space.size(), 0),
      uncoveredAt_(space.size(), None),
      wordRestUntil_(space.size(), 0) {
    for (std::uint32_t o = 0; o < space.size(); ++o)
        if (inS_[o]) markUncovered(o);
    // Listing every ball once pays off many times over in the moves.
    if (static_cast<std::uint64_t>(space.size()) * ballSize_ <= MostListedBalls) {
        balls_.reserve(static_cast<std::size_t>(space.size()) * ballSize_);
        for (std::uint32_t o = 0; o < space.size(); ++o)
            space.forBall(o, radius, [&](std::uint32_t n) { balls_.push_back(n); });
    }
}

void CoverSearch::markUncovered(std::uint32_t outcome) {
    uncoveredAt_[outcome] = static_cast<std::uint32_t>(uncovered_.size());
    uncovered_.push_back(outcome);
}

void CoverSearch::markCovered(std::uint32_t outcome) {
    const std::uint32_t at = uncoveredAt_[outcome];
    const std::uint32_t last = uncovered_.back();
    uncovered_[at] = last;
    uncoveredAt_[last] = at;
    uncovered_.pop_back();
    uncoveredAt_[outcome] = None;
}

void CoverSearch::add(std::uint32_t slot, std::uint32_t word) {
    code_[slot] = word;
    forBall(word, [&](std::uint32_t o) {
        if (!inS_[o]) return;
        const std::uint32_t count = ++coverCount_[o];
        ownerXor_[o] ^= slot;
        if (count == 1) {
            markCovered(o);
            loss_.increment(slot);
        } else if (count == 2) {
            loss_.decrement(ownerXor_[o] ^ slot);
        }
    });
}

void CoverSearch::remove(std::uint32_t slot) {
    forBall(code_[slot], [&](std::uint32_t o) {
        if (!inS_[o]) return;
        const std::uint32_t count = --coverCount_[o];
        ownerXor_[o] ^= slot;
        if (count == 0)
            markUncovered(o);
        else if (count == 1)
            loss_.increment(ownerXor_[o]);
    });
    loss_.set(slot, 0);
}

void CoverSearch::drop(std::uint32_t slot) {
    remove(slot);
    const auto last = static_cast<std::uint32_t>(code_.size() - 1);
    if (slot != last) {
        // The last slot takes the freed number.
        forBall(code_[last], [&](std::uint32_t o) {
            if (inS_[o]) ownerXor_[o] ^= last ^ slot;
        });
        code_[slot] = code_[last];
        loss_.set(slot, loss_.loss(last));
        restUntil_[slot] = restUntil_[last];
    }
    code_.pop_back();
    loss_.popLast();
    restUntil_.pop_back();
}

std::uint64_t CoverSearch::step() {
    ++moves_;
    const std::uint32_t target = uncovered_[random_.below(static_cast<std::uint32_t>(uncovered_.size()))];
    const std::uint32_t farSlot = loss_.least(random_, [&](std::uint32_t s) { return restUntil_[s] <= moves_; });
    std::uint64_t visited = 0;

    std::int64_t bestDelta = std::numeric_limits<std::int64_t>::max();
    std::uint32_t bestSlot = None, bestWord = None, ties = 0;
    forBall(target, [&](std::uint32_t word) {
        if ((!anywhere_ && !inS_[word]) || wordRestUntil_[word] > moves_) return;
        // Outcomes the new column reaches: uncovered ones are gained, and
        // those only one slot covers are not lost if that slot is replaced.
        std::int64_t gain = 0;
        forBall(word, [&](std::uint32_t o) {
            ++visited;
            if (!inS_[o]) return;
            const std::uint32_t count = coverCount_[o];
            if (count == 0) {
                ++gain;
            } else if (count == 1) {
                const std::uint32_t owner = ownerXor_[o];
                if (shared_[owner]++ == 0) touched_.push_back(owner);
            }
        });
        std::uint32_t slot = farSlot;
        std::int64_t cost = farSlot == None ? std::numeric_limits<std::int64_t>::max() / 2 : loss_.loss(farSlot);
        for (const std::uint32_t s : touched_) {
            const std::int64_t near = static_cast<std::int64_t>(loss_.loss(s)) - shared_[s];
            if (restUntil_[s] <= moves_ && near < cost) {
                cost = near;
                slot = s;
            }
            shared_[s] = 0;
        }
        touched_.clear();
        if (slot == None) return;
        const std::int64_t delta = cost - gain;
        if (delta < bestDelta) {
            bestDelta = delta;
            bestSlot = slot;
            bestWord = word;
            ties = 1;
        } else if (delta == bestDelta && random_.below(++ties) == 0) {
            bestSlot = slot;
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

std::vector<std::uint32_t> CoverSearch::shrink(const std::vector<std::uint32_t>& cover, std::size_t floor,
                                               SearchBudget& budget) {
    const auto slots = static_cast<std::uint32_t>(cover.size());
    code_.assign(slots, 0);
    loss_.reset(slots, static_cast<std::uint32_t>(space_.ballSize(radius_)));
    restUntil_.assign(slots, 0);
    shared_.assign(slots, 0);
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
