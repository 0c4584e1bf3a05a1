#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <thread>

#include "best_of_attempts.h"
#include "random_source.h"

namespace {

// The seeds of the attempts, in attempt order.
std::vector<std::uint64_t> Draws(std::uint64_t seed, int attempts) {
    RandomSource draw(seed);
    std::vector<std::uint64_t> seeds;
    for (int i = 0; i < attempts; ++i) seeds.push_back(draw.next());
    return seeds;
}

// An attempt whose cover depends on its seed only, as the real ones do;
// sizes 10 to 12, so that ties are many.
std::vector<std::uint32_t> CoverOfSeed(std::uint64_t seed) {
    return std::vector<std::uint32_t>(10 + seed % 3, static_cast<std::uint32_t>(seed % 1000));
}

TEST(BestOfAttempts, TheSmallestWinsTiesToTheEarlierWhateverTheTiming) {
    const std::vector<std::uint64_t> seeds = Draws(42, 9);
    std::vector<std::uint32_t> expected;
    for (const std::uint64_t seed : seeds)
        if (expected.empty() || CoverOfSeed(seed).size() < expected.size()) expected = CoverOfSeed(seed);

    std::multiset<std::uint64_t> ran;
    std::mutex guard;
    const Attempt record = [&](const AttemptControl& control) {
        const std::lock_guard<std::mutex> lock(guard);
        ran.insert(control.seed);
        return CoverOfSeed(control.seed);
    };
    const AttemptsOutcome first = BestOfAttempts(9, 42, 0, nullptr, {}, record);
    EXPECT_EQ(ran, std::multiset<std::uint64_t>(seeds.begin(), seeds.end()));
    EXPECT_EQ(first.cover, expected);
    EXPECT_FALSE(first.cancelled);

    // Attempts slowed down on either thread change nothing.
    for (std::uint64_t slow = 0; slow < 2; ++slow) {
        const Attempt uneven = [&](const AttemptControl& control) {
            if (control.seed % 2 == slow) std::this_thread::sleep_for(std::chrono::milliseconds(3));
            return CoverOfSeed(control.seed);
        };
        EXPECT_EQ(BestOfAttempts(9, 42, 0, nullptr, {}, uneven).cover, expected);
    }
}

TEST(BestOfAttempts, ReachingTheFloorEndsEveryLaterAttempt) {
    const std::vector<std::uint64_t> seeds = Draws(7, 6);
    std::atomic<int> started{0};
    const Attempt attempt = [&](const AttemptControl& control) {
        ++started;
        if (control.seed == seeds[0]) return std::vector<std::uint32_t>(3, 0);  // the floor
        // A long search, until told it is no longer wanted; at best a tie.
        while (!control.superseded->load()) std::this_thread::yield();
        return std::vector<std::uint32_t>(3, 1);
    };
    const AttemptsOutcome outcome = BestOfAttempts(6, 7, 3, nullptr, {}, attempt);
    EXPECT_EQ(outcome.cover, std::vector<std::uint32_t>(3, 0));
    // The first, and the second only if it was already running beside it.
    EXPECT_GE(started.load(), 1);
    EXPECT_LE(started.load(), 2);
}

TEST(BestOfAttempts, CancelledWhenTheFlagIsUp) {
    std::atomic<bool> cancel{false};
    const Attempt cancelled = [&](const AttemptControl& control) {
        EXPECT_EQ(control.cancel, &cancel);
        cancel = true;
        return std::vector<std::uint32_t>{};
    };
    const AttemptsOutcome outcome = BestOfAttempts(4, 1, 0, &cancel, {}, cancelled);
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_TRUE(outcome.cover.empty());
}

}  // namespace
