#include "budget_cover.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>

#include "distance_guarantee.h"
#include "system_request.h"

namespace {

// Misses counted by the bound: the radius never passes the table's 4.
using MissWeights = std::array<double, RowCount + 1>;

// A bound a little above the exact sum, which adds the same weights in
// another order: a bound must never fall below what it bounds.
constexpr double BoundMargin = 1 + 1e-9;
constexpr std::uint32_t PollEvery = 256;
constexpr std::uint32_t NotWeighed = ~std::uint32_t{0};

// Per candidate, the weight of its whole ball in the development: per
// match, a hit weighs the column's sign and a miss the other forecast signs,
// so the ball's weight by misses is a product of one-match polynomials.
struct BallBounds {
    const OutcomeSpace& space;
    const BudgetWeights& weights;
    const std::vector<std::uint8_t>& candidates;
    int radius;
    std::vector<double>& bound;

    void Walk(int row, const MissWeights& poly, std::size_t cell) {
        if (row == RowCount) {
            if (!candidates[cell]) return;
            double sum = 0;
            for (int d = 0; d <= radius; ++d) sum += poly[d];
            bound[cell] = sum * BoundMargin;
            return;
        }
        double all = 0;
        for (int k = 0; k < space.signsOn(row); ++k)
            all += weights.factors[row][std::countr_zero(static_cast<unsigned>(space.signBit(row, k)))];
        for (int k = 0; k < space.signsOn(row); ++k) {
            const double hit = weights.factors[row][std::countr_zero(static_cast<unsigned>(space.signBit(row, k)))];
            const double miss = all - hit;
            MissWeights next{};
            next[0] = poly[0] * hit;
            for (int d = 1; d <= radius; ++d) next[d] = poly[d] * hit + poly[d - 1] * miss;
            Walk(row + 1, next, cell + static_cast<std::size_t>(k) * space.stride(row));
        }
    }
};

}  // namespace

BudgetWeights WeighOutcomes(const OutcomeSpace& space, const std::vector<std::uint8_t>& inS,
                            const std::optional<MatchSignFigures>& probabilities) {
    BudgetWeights weights;
    const auto weigh = [&](const MatchSignFigures& factors) {
        weights.factors = factors;
        weights.weight = OutcomeProducts(space, factors);
        weights.total = 0;
        for (std::uint32_t o = 0; o < space.size(); ++o) {
            if (!inS[o]) weights.weight[o] = 0;
            weights.total += weights.weight[o];
        }
    };
    MatchSignFigures alike{};
    for (SignFigures& match : alike) match.fill(1);
    weigh(probabilities ? *probabilities : alike);
    if (!(weights.total > 0) || !std::isfinite(weights.total)) weigh(alike);
    return weights;
}

std::vector<std::uint32_t> HeaviestOutcomes(const BudgetWeights& weights, std::size_t bets) {
    std::vector<std::uint32_t> outcomes;
    // An outcome of no chance adds nothing: never chosen.
    for (std::uint32_t o = 0; o < weights.weight.size(); ++o)
        if (weights.weight[o] > 0) outcomes.push_back(o);
    const std::size_t n = std::min(bets, outcomes.size());
    std::partial_sort(outcomes.begin(), outcomes.begin() + static_cast<std::ptrdiff_t>(n), outcomes.end(),
                      [&](std::uint32_t a, std::uint32_t b) {
                          return weights.weight[a] != weights.weight[b] ? weights.weight[a] > weights.weight[b] : a < b;
                      });
    outcomes.resize(n);
    return outcomes;
}

namespace {

std::vector<double> BoundsOf(const OutcomeSpace& space, const BudgetWeights& weights,
                             const std::vector<std::uint8_t>& candidates, int radius) {
    std::vector<double> bound(space.size(), 0);
    BallBounds bounds{space, weights, candidates, radius, bound};
    MissWeights one{};
    one[0] = 1;
    bounds.Walk(0, one, 0);
    return bound;
}

}  // namespace

double WeightCeiling(const OutcomeSpace& space, const BudgetWeights& weights,
                     const std::vector<std::uint8_t>& candidates, int radius, std::size_t bets) {
    std::vector<double> bound = BoundsOf(space, weights, candidates, radius);
    const std::size_t n = std::min(bets, bound.size());
    std::nth_element(bound.begin(), bound.begin() + static_cast<std::ptrdiff_t>(n), bound.end(), std::greater<>());
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum += bound[i];
    return std::min(sum, weights.total);
}

std::vector<std::uint32_t> GreedyBudget(const OutcomeSpace& space, const BudgetWeights& weights,
                                        const std::vector<std::uint8_t>& candidates, int radius, std::size_t bets,
                                        WorkBudget& budget) {
    std::vector<double> bound = BoundsOf(space, weights, candidates, radius);
    if (!budget.poll(0)) return {};

    // Lazy greedy: a column's gain only falls as others are taken, so a
    // bound or an old gain on top is weighed again, and a gain weighed since
    // the last take that is still on top is the best. Equal gains: the
    // lower number first.
    struct Entry {
        double key;
        std::uint32_t word;
        std::uint32_t stamp;  // columns taken when `key` was weighed
    };
    const auto lower = [](const Entry& a, const Entry& b) { return a.key != b.key ? a.key < b.key : a.word > b.word; };
    std::vector<Entry> heap;
    heap.reserve(static_cast<std::size_t>(std::count_if(bound.begin(), bound.end(), [](double b) { return b > 0; })));
    for (std::uint32_t word = 0; word < space.size(); ++word)
        if (bound[word] > 0) heap.push_back({bound[word], word, NotWeighed});
    std::vector<double>().swap(bound);
    std::make_heap(heap.begin(), heap.end(), lower);

    std::vector<double> left = weights.weight;  // what is still unreached
    std::vector<std::uint32_t> taken;
    std::uint32_t weighed = 0;
    while (taken.size() < bets && !heap.empty()) {
        std::pop_heap(heap.begin(), heap.end(), lower);
        const Entry top = heap.back();
        heap.pop_back();
        if (top.stamp == taken.size()) {
            taken.push_back(top.word);
            space.forBall(top.word, radius, [&](std::uint32_t o) { left[o] = 0; });
            continue;
        }
        double gain = 0;
        space.forBall(top.word, radius, [&](std::uint32_t o) { gain += left[o]; });
        if (gain > 0) {
            heap.push_back({gain, top.word, static_cast<std::uint32_t>(taken.size())});
            std::push_heap(heap.begin(), heap.end(), lower);
        }
        if (++weighed % PollEvery == 0) {
            if (!budget.poll(taken.size())) return {};
            if (budget.expired()) break;
        }
    }
    return taken;
}

double ReachedWeight(const OutcomeSpace& space, const BudgetWeights& weights, const std::vector<std::uint32_t>& columns,
                     int radius) {
    std::vector<std::uint8_t> reached(space.size(), 0);
    double sum = 0;
    for (const std::uint32_t column : columns)
        space.forBall(column, radius, [&](std::uint32_t o) {
            if (reached[o]) return;
            reached[o] = 1;
            sum += weights.weight[o];
        });
    return sum;
}

double CoverageOf(const std::vector<SimpleColumn>& columns, const OutcomeSpace& space, const BudgetWeights& weights,
                  int radius) {
    const std::vector<std::uint8_t> misses = NearestMisses(SystemBet(columns), space);
    double covered = 0, total = 0;
    for (std::uint32_t o = 0; o < space.size(); ++o) {
        total += weights.weight[o];
        if (misses[o] <= radius) covered += weights.weight[o];
    }
    if (!(total > 0)) return 0;
    return covered == total ? 1 : covered / total;
}
