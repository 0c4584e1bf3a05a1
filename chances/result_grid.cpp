#include "result_grid.h"

#include <algorithm>

#include "outcome_space.h"

ResultGrid ResultGridOf(const MatchSigns& results, int blockDimensions) {
    // The results still possible are the outcomes of the forecast that puts
    // every sign on a match to play and its result on a played one: they are
    // numbered as such outcomes are.
    MatchSigns forecast{};
    for (int m = 0; m < RowCount; ++m) forecast[m] = results[m] == 0 ? AllSigns : results[m];
    const OutcomeSpace space(forecast);
    ResultGrid grid;
    grid.dimensions = space.varying();
    for (int dim = 0; dim < grid.dimensions; ++dim) {
        grid.match[dim] = space.matchOf(dim);
        grid.stride[dim] = space.weight(dim);
    }
    grid.cells = space.size();
    grid.blockDimensions = std::min(grid.dimensions, std::max(1, blockDimensions));
    for (int dim = 0; dim < grid.blockDimensions; ++dim) grid.blockCells *= SignCount;
    return grid;
}

WalkFactors WalkFactorsOf(const ResultGrid& grid, const ChanceModel& model) {
    WalkFactors factors;
    for (int dim = 0; dim < grid.dimensions; ++dim) {
        factors.chance[dim] = model.probabilities[grid.match[dim]];
        if (model.publicShares) factors.publicShare[dim] = (*model.publicShares)[grid.match[dim]];
    }
    factors.playedPublic[0] = 1;
    for (int m = 0; m < RowCount; ++m)
        if (model.results[m] != 0 && model.publicShares)
            AddMatch(factors.playedPublic, (*model.publicShares)[m][SignIndex(model.results[m])]);
    return factors;
}

WalkPrefix BlockPrefix(const ResultGrid& grid, const WalkFactors& factors, std::size_t block) {
    WalkPrefix prefix{1, factors.playedPublic};
    std::size_t cell = block * grid.blockCells;
    for (int dim = 0; dim < grid.outerDimensions(); ++dim) {
        const auto s = static_cast<int>(cell / grid.stride[dim] % SignCount);
        prefix.chance *= factors.chance[dim][s];
        AddMatch(prefix.publicMisses, factors.publicShare[dim][s]);
    }
    return prefix;
}
