#include "result_grid.h"

#include <algorithm>

ResultGrid ResultGridOf(const MatchSigns& results, int blockDimensions) {
    ResultGrid grid;
    for (int m = 0; m < RowCount; ++m)
        if (results[m] == 0) grid.match[grid.dimensions++] = m;
    for (int dim = grid.dimensions - 1; dim >= 0; --dim) {
        grid.stride[dim] = grid.cells;
        grid.cells *= SignCount;
    }
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
