#pragma once

#include <cstdint>
#include <vector>

#include "outcome_space.h"

// Every ball of a space listed once, `ballSize(radius)` outcomes per
// outcome: the searches visit balls far more often than there are
// outcomes, and a list reads faster than a walk. Empty when too large to
// keep; the walk stands in then.
std::vector<std::uint32_t> ListBalls(const OutcomeSpace& space, int radius);

// Calls visit(outcome) for every outcome within `radius` of `center`, from
// `balls` when they were listed.
template <typename Visit>
void ForListedBall(const OutcomeSpace& space, int radius, const std::vector<std::uint32_t>& balls,
                   std::uint32_t ballSize, std::uint32_t center, Visit&& visit) {
    if (balls.empty()) {
        space.forBall(center, radius, visit);
        return;
    }
    const std::uint32_t* ball = balls.data() + static_cast<std::size_t>(center) * ballSize;
    for (std::uint32_t i = 0; i < ballSize; ++i) visit(ball[i]);
}
