#include "budget_search.h"

#include <algorithm>
#include <limits>

namespace {

// A better state must beat the best by more than the rounding the running
// sums gather.
constexpr double Betterment = 1e-12;
constexpr std::uint64_t WordRest = 10;
constexpr std::size_t LongRestFrom = 256;  // budgets this large rest words longer
constexpr int Draws = 3;                   // tries at a weighed draw before a plain one
constexpr std::size_t MostWeighedWords = 128;

double Uniform(RandomSource& random) { return static_cast<double>(random.next() >> 11) * 0x1.0p-53; }

}  // namespace

BudgetSearch::BudgetSearch(const OutcomeSpace& space, const BudgetWeights& weights,
                           const std::vector<std::uint8_t>& candidates, int radius,
                           const std::vector<std::uint32_t>& balls)
    : space_(space),
      weight_(weights.weight),
      candidates_(candidates),
      radius_(radius),
      ballSize_(static_cast<std::uint32_t>(space.ballSize(radius))),
      balls_(balls) {}

void BudgetSearch::reached(std::uint32_t outcome) {
    const std::uint32_t at = unreachedAt_[outcome];
    const std::uint32_t last = unreached_.back();
    unreached_[at] = last;
    unreachedAt_[last] = at;
    unreached_.pop_back();
    unreachedAt_[outcome] = None;
    unreachedWeight_.add(outcome, -weight_[outcome]);
    reachedWeight_ += weight_[outcome];
}

void BudgetSearch::unreached(std::uint32_t outcome) {
    unreachedAt_[outcome] = static_cast<std::uint32_t>(unreached_.size());
    unreached_.push_back(outcome);
    unreachedWeight_.add(outcome, weight_[outcome]);
    reachedWeight_ -= weight_[outcome];
}

void BudgetSearch::add(std::uint32_t slot, std::uint32_t word) {
    code_[slot] = word;
    inCode_[word] = 1;
    double own = 0;
    forBall(word, [&](std::uint32_t o) {
        const double w = weight_[o];
        if (w <= 0) return;
        const std::uint64_t was = covered_[o];
        covered_[o] = (was + OneCover) ^ slot;
        if (was < OneCover) {
            reached(o);
            own += w;
        } else if (was < 2 * OneCover) {
            loss_.add(static_cast<std::uint32_t>(was), -w);
        }
    });
    loss_.set(slot, own);
}

void BudgetSearch::remove(std::uint32_t slot) {
    inCode_[code_[slot]] = 0;
    forBall(code_[slot], [&](std::uint32_t o) {
        const double w = weight_[o];
        if (w <= 0) return;
        const std::uint64_t now = (covered_[o] - OneCover) ^ slot;
        covered_[o] = now;
        if (now < OneCover)
            unreached(o);
        else if (now < 2 * OneCover)
            loss_.add(static_cast<std::uint32_t>(now), w);
    });
    loss_.set(slot, 0);
}

void BudgetSearch::rest(std::uint32_t slot) {
    if (slotRest_ == 0) return;
    loss_.leaveOut(slot, true);
    resting_.push_back({moves_ + slotRest_, slot});
}

std::uint32_t BudgetSearch::drawUnreached() {
    for (int i = 0; i < Draws && unreachedWeight_.total() > 0; ++i) {
        const std::uint32_t o = unreachedWeight_.find(Uniform(random_) * unreachedWeight_.total());
        if (covered_[o] < OneCover && weight_[o] > 0) return o;
    }
    return unreached_[random_.below(static_cast<std::uint32_t>(unreached_.size()))];
}

BudgetSearch::Swap BudgetSearch::weigh(std::uint32_t word, std::uint32_t farSlot, double farCost) {
    std::uint32_t touchedCount = 0;
    Swap swap{0, farCost, farSlot};
    // Outcomes the new word reaches: unreached ones are gained, and those
    // only one slot reaches are not lost if that slot is the one replaced.
    forBall(word, [&](std::uint32_t o) {
        const double w = weight_[o];
        if (w <= 0) return;
        const std::uint64_t state = covered_[o];
        if (state < OneCover) {
            swap.gain += w;
        } else if (state < 2 * OneCover) {
            const auto owner = static_cast<std::uint32_t>(state);
            if (shared_[owner] == 0) touched_[touchedCount++] = owner;
            shared_[owner] += w;
        }
    });
    for (std::uint32_t i = 0; i < touchedCount; ++i) {
        const std::uint32_t s = touched_[i];
        const double near = loss_.loss(s) - shared_[s];
        if (!loss_.leftOut(s) && near < swap.cost) {
            swap.cost = near;
            swap.slot = s;
        }
        shared_[s] = 0;
    }
    return swap;
}

std::uint64_t BudgetSearch::step() {
    ++moves_;
    for (; restingFrom_ < resting_.size() && resting_[restingFrom_].first <= moves_; ++restingFrom_)
        loss_.leaveOut(resting_[restingFrom_].second, false);
    if (restingFrom_ == resting_.size()) {
        resting_.clear();
        restingFrom_ = 0;
    }
    const std::uint32_t target = drawUnreached();
    const std::uint32_t farSlot = loss_.least();
    const double farCost = farSlot == None ? std::numeric_limits<double>::infinity() : loss_.loss(farSlot);

    std::uint64_t visited = ballSize_;
    words_.clear();
    forBall(target, [&](std::uint32_t word) {
        if (candidates_[word] && !inCode_[word] && wordRestUntil_[word] <= moves_) words_.push_back(word);
    });
    // A large ball: a sample of its words, or one move would weigh them all.
    const auto weighed = static_cast<std::uint32_t>(std::min<std::size_t>(words_.size(), MostWeighedWords));
    if (weighed < words_.size())
        for (std::uint32_t i = 0; i < weighed; ++i)
            std::swap(words_[i], words_[i + random_.below(static_cast<std::uint32_t>(words_.size()) - i)]);
    double bestDelta = -std::numeric_limits<double>::infinity();
    std::uint32_t bestSlot = None, bestWord = None, ties = 0;
    for (std::uint32_t i = 0; i < weighed; ++i) {
        const std::uint32_t word = words_[i];
        visited += ballSize_;
        const Swap swap = weigh(word, farSlot, farCost);
        if (swap.slot == None) continue;
        const double delta = swap.gain - swap.cost;
        if (delta > bestDelta) {
            bestDelta = delta;
            bestSlot = swap.slot;
            bestWord = word;
            ties = 1;
        } else if (delta == bestDelta && random_.below(++ties) == 0) {
            bestSlot = swap.slot;
            bestWord = word;
        }
    }
    if (bestSlot == None) return visited;
    // Leaving the best state: keep it first.
    if (bestStale_ && !(bestDelta > 0)) {
        best_ = code_;
        bestStale_ = false;
    }
    const std::uint64_t until = moves_ + wordRest_;
    wordRestUntil_[code_[bestSlot]] = static_cast<std::uint32_t>(std::min<std::uint64_t>(until, ~std::uint32_t{0}));
    remove(bestSlot);
    add(bestSlot, bestWord);
    rest(bestSlot);
    return visited + 2 * std::uint64_t{ballSize_};
}

std::vector<std::uint32_t> BudgetSearch::improve(const std::vector<std::uint32_t>& start, double ceiling,
                                                 std::uint64_t seed, WorkBudget& budget) {
    random_ = RandomSource(seed);
    moves_ = 0;
    covered_.assign(space_.size(), 0);
    unreachedAt_.assign(space_.size(), None);
    unreached_.clear();
    unreachedWeight_.reset(space_.size());
    reachedWeight_ = 0;
    for (std::uint32_t o = 0; o < space_.size(); ++o)
        if (weight_[o] > 0) unreached(o);
    reachedWeight_ = 0;

    const auto slots = static_cast<std::uint32_t>(start.size());
    code_.assign(slots, None);
    inCode_.assign(space_.size(), 0);
    loss_.reset(slots);
    resting_.clear();
    restingFrom_ = 0;
    slotRest_ = slots <= 1 ? 0 : std::min<std::uint64_t>(slots - 1, 1 + slots / 16);
    wordRest_ = WordRest + (slots >= LongRestFrom ? slots / 32 : 0);
    wordRestUntil_.assign(space_.size(), 0);
    shared_.assign(slots, 0);
    touched_.assign(ballSize_, 0);  // at most one owner per outcome of a ball
    for (std::uint32_t s = 0; s < slots; ++s) add(s, start[s]);

    best_ = start;
    bestStale_ = false;
    double bestWeight = reachedWeight_;
    while (!unreached_.empty() && slots > 0 && !ReachesCeiling(reachedWeight_, ceiling)) {
        if (!budget.spend(step(), slots)) break;
        if (reachedWeight_ > bestWeight + Betterment * bestWeight) {
            bestWeight = reachedWeight_;
            bestStale_ = true;
        }
    }
    if (bestStale_) best_ = code_;
    return best_;
}
