#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "brute_force.h"
#include "outcome_space.h"

namespace {

// Triples, doubles of every pair of signs and fixed matches mixed.
MatchSigns Mixed() {
    MatchSigns forecast{};
    const SignSet signs[RowCount] = {7, 1, 6, 3, 2, 5, 7, 4, 1, 7, 1, 1, 3, 2};
    std::copy(std::begin(signs), std::end(signs), forecast.begin());
    return forecast;
}

TEST(OutcomeSpace, NumbersTheDevelopmentInTheOrderOfSignsLastMatchFastest) {
    const MatchSigns forecast = Mixed();
    const OutcomeSpace space(forecast);
    const std::vector<SimpleColumn> all = Development(forecast);
    ASSERT_EQ(space.size(), all.size());
    EXPECT_EQ(space.triples(), 3);
    EXPECT_EQ(space.doubles(), 4);
    for (std::uint32_t i = 0; i < space.size(); ++i) ASSERT_EQ(space.column(i), all[i]) << i;
}

TEST(OutcomeSpace, BallsHoldExactlyTheOutcomesWithinTheRadius) {
    const MatchSigns forecast = Mixed();
    const OutcomeSpace space(forecast);
    const std::vector<SimpleColumn> all = Development(forecast);
    for (int radius = 0; radius <= 4; ++radius)
        for (const std::uint32_t center : {0u, 77u, space.size() - 1}) {
            std::vector<std::uint32_t> visited;
            space.forBall(center, radius, [&](std::uint32_t o) { visited.push_back(o); });
            ASSERT_EQ(visited.front(), center);
            std::vector<std::uint32_t> expected;
            for (std::uint32_t o = 0; o < all.size(); ++o)
                if (RowCount - Hits(all[o], all[center]) <= radius) expected.push_back(o);
            std::sort(visited.begin(), visited.end());
            EXPECT_EQ(visited, expected) << "radius " << radius << " center " << center;
            EXPECT_EQ(space.ballSize(radius), expected.size());
        }
}

}  // namespace
