#include "listed_balls.h"

namespace {

constexpr std::uint64_t MostListedBalls = 1u << 24;

}  // namespace

std::vector<std::uint32_t> ListBalls(const OutcomeSpace& space, int radius) {
    std::vector<std::uint32_t> balls;
    if (static_cast<std::uint64_t>(space.size()) * space.ballSize(radius) > MostListedBalls) return balls;
    balls.reserve(static_cast<std::size_t>(space.size() * space.ballSize(radius)));
    for (std::uint32_t o = 0; o < space.size(); ++o) space.forBall(o, radius, [&](std::uint32_t n) { balls.push_back(n); });
    return balls;
}
