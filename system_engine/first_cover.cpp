#include "first_cover.h"

#include "construction_table.h"
#include "greedy_cover.h"

namespace {

// Greedy is tried beside a construction only while it is quick: it visits
// a ball per outcome.
constexpr std::uint64_t GreedyVisitsBesideConstruction = 200'000'000;

}  // namespace

std::vector<std::uint32_t> WholeFirstCover(const OutcomeSpace& space, int radius, WorkBudget& budget) {
    std::vector<std::uint32_t> cover = ConstructionCover(space, radius);
    if (space.size() > MostSearchedOutcomes ||
        std::uint64_t{space.size()} * space.ballSize(radius) > GreedyVisitsBesideConstruction)
        return cover;
    const std::vector<std::uint8_t> all(space.size(), 1);
    GreedyCover greedy = CoverGreedily(space, all, radius, true, budget);
    if (!greedy.cover.empty() && greedy.cover.size() < cover.size()) cover = std::move(greedy.cover);
    return cover;
}
