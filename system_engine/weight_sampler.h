#pragma once

#include <cstdint>
#include <vector>

// Draws an index with chance proportional to its weight, weights changing
// as it goes (a Fenwick tree of partial sums). Sums of many additions and
// removals drift by rounding: a drawn index should be checked.
class WeightSampler {
public:
    // `size` indices, every weight 0.
    void reset(std::size_t size) {
        tree_.assign(size + 1, 0);
        top_ = 1;
        while (top_ * 2 <= size) top_ *= 2;
        total_ = 0;
    }

    void add(std::uint32_t index, double delta) {
        total_ += delta;
        for (std::size_t i = std::size_t{index} + 1; i < tree_.size(); i += i & (~i + 1)) tree_[i] += delta;
    }

    double total() const { return total_; }

    // The index whose share of the total holds `u`, 0 <= u < total().
    std::uint32_t find(double u) const {
        std::size_t at = 0;
        for (std::size_t step = top_; step > 0; step /= 2)
            if (at + step < tree_.size() && tree_[at + step] <= u) {
                at += step;
                u -= tree_[at];
            }
        const std::size_t last = tree_.size() > 1 ? tree_.size() - 2 : 0;
        return static_cast<std::uint32_t>(at < last ? at : last);
    }

private:
    std::vector<double> tree_;  // 1-based
    std::size_t top_ = 1;
    double total_ = 0;
};
