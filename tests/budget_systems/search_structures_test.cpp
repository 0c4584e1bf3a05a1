#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <vector>

#include "least_loss.h"
#include "weight_sampler.h"

namespace {

TEST(LeastLoss, AlwaysTheLeastSlotNotLeftOutLowerAmongEquals) {
    std::mt19937 random(7);
    for (const std::uint32_t slots : {1u, 2u, 5u, 8u, 37u}) {
        LeastLoss tree;
        tree.reset(slots);
        std::vector<double> loss(slots, 0);
        std::vector<bool> out(slots, false);
        for (int step = 0; step < 2000; ++step) {
            const std::uint32_t slot = random() % slots;
            if (random() % 4 == 0) {
                out[slot] = !out[slot];
                tree.leaveOut(slot, out[slot]);
            } else {
                loss[slot] = static_cast<double>(random() % 6);  // few values: many ties
                tree.set(slot, loss[slot]);
            }
            std::uint32_t least = LeastLoss::None;
            for (std::uint32_t s = 0; s < slots; ++s)
                if (!out[s] && (least == LeastLoss::None || loss[s] < loss[least])) least = s;
            ASSERT_EQ(tree.least(), least) << slots << " slots, step " << step;
            ASSERT_EQ(tree.loss(slot), loss[slot]);
        }
    }
}

TEST(WeightSampler, FindsTheIndexWhoseShareHoldsTheDraw) {
    std::mt19937 random(11);
    for (const std::size_t size : {1u, 3u, 16u, 100u}) {
        WeightSampler sampler;
        sampler.reset(size);
        std::vector<double> weight(size, 0);
        for (int step = 0; step < 500; ++step) {
            const auto index = static_cast<std::uint32_t>(random() % size);
            const double delta = static_cast<double>(random() % 5) - (weight[index] >= 2 ? 2 : 0);
            weight[index] += delta;
            sampler.add(index, delta);
            double total = 0;
            for (const double w : weight) total += w;
            ASSERT_EQ(sampler.total(), total);
            if (total == 0) continue;
            // Just inside each index's share, from its first unit to its last.
            double before = 0;
            for (std::size_t i = 0; i < size; ++i) {
                if (weight[i] > 0) {
                    EXPECT_EQ(sampler.find(before), i);
                    EXPECT_EQ(sampler.find(before + weight[i] - 0.5), i);
                }
                before += weight[i];
            }
        }
    }
}

}  // namespace
