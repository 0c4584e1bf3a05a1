#pragma once

#include <cstdint>
#include <vector>

#include "random_source.h"

// The slots of a code filed by their loss (the outcomes only they cover), so
// that a slot of least loss is found without scanning the whole code.
class LossBuckets {
public:
    static constexpr std::uint32_t None = ~std::uint32_t{0};

    // `slots` slots, all of loss 0; losses stay at or below `maxLoss`.
    void reset(std::uint32_t slots, std::uint32_t maxLoss);
    std::uint32_t loss(std::uint32_t slot) const { return loss_[slot]; }
    void set(std::uint32_t slot, std::uint32_t loss);
    void increment(std::uint32_t slot) { set(slot, loss_[slot] + 1); }
    void decrement(std::uint32_t slot) { set(slot, loss_[slot] - 1); }
    // The last slot leaves.
    void popLast();

    // A slot of least loss for which `usable(slot)` holds, chosen at random
    // among the first few of its bucket; None when none is usable.
    template <typename Usable>
    std::uint32_t least(RandomSource& random, Usable&& usable) const {
        for (std::uint32_t l = 0; l < buckets_.size(); ++l) {
            const std::vector<std::uint32_t>& bucket = buckets_[l];
            if (bucket.empty()) continue;
            const auto n = static_cast<std::uint32_t>(bucket.size());
            const std::uint32_t start = random.below(n);
            for (std::uint32_t i = 0; i < n; ++i) {
                const std::uint32_t slot = bucket[(start + i) % n];
                if (usable(slot)) return slot;
            }
        }
        return None;
    }

private:
    void unfile(std::uint32_t slot);
    void file(std::uint32_t slot);

    std::vector<std::uint32_t> loss_;
    std::vector<std::uint32_t> at_;  // place in its bucket
    std::vector<std::vector<std::uint32_t>> buckets_;
};
