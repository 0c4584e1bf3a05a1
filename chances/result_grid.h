#pragma once

#include <array>
#include <cstddef>

#include "chance_model.h"

// The results still possible laid out as a grid: one dimension per match
// still to play, in match order, the first most significant and the last
// varying fastest, each match's signs in the order 1, X, 2: the numbering of
// OutcomeSpace. The grid is cut into blocks of its last dimensions, small
// enough to stay in cache while passes run over them.

struct ResultGrid {
    int dimensions = 0;                                  // matches to play
    std::array<int, RowCount> match{};                   // the match of each dimension
    std::array<std::size_t, RowCount> stride{};          // cells between neighbours along it
    std::size_t cells = 1;                               // 3^dimensions
    int blockDimensions = 0;                             // the last ones: inside a block
    std::size_t blockCells = 1;
    std::size_t blocks() const { return cells / blockCells; }
    int outerDimensions() const { return dimensions - blockDimensions; }
};

// At most `blockDimensions` matches inside a block.
ResultGrid ResultGridOf(const MatchSigns& results, int blockDimensions);

// What a walk over the grid multiplies: per dimension the chance of each
// sign and the public's share of it, and the public's chances of misses on
// the matches already played.
struct WalkFactors {
    std::array<SignFigures, RowCount> chance{};
    std::array<SignFigures, RowCount> publicShare{};
    MissPolynomial playedPublic{};
};

WalkFactors WalkFactorsOf(const ResultGrid& grid, const ChanceModel& model);

// A result's chance and the chances that one of the public's bets misses it
// 0..4 times, over the dimensions walked so far.
struct WalkPrefix {
    double chance = 1;
    MissPolynomial publicMisses{};
};

// The prefix over the dimensions before `block`'s own, from the block's number.
WalkPrefix BlockPrefix(const ResultGrid& grid, const WalkFactors& factors, std::size_t block);

// Calls visit(cell, chance, publicMisses) for every cell of a block that
// wanted(cell) accepts, `cell` counted from the block's start, in grid order.
template <typename Wanted, typename Visit>
void WalkBlock(const ResultGrid& grid, const WalkFactors& factors, const WalkPrefix& prefix, Wanted&& wanted,
               Visit&& visit) {
    const int first = grid.outerDimensions();
    // One prefix per level, refreshed from the level whose sign changed.
    std::array<WalkPrefix, RowCount + 1> level;
    std::array<int, RowCount> sign{};
    level[first] = prefix;
    const auto extend = [&](int dim) {
        level[dim + 1] = level[dim];
        level[dim + 1].chance *= factors.chance[dim][sign[dim]];
        AddMatch(level[dim + 1].publicMisses, factors.publicShare[dim][sign[dim]]);
    };
    if (grid.blockDimensions == 0) {
        if (wanted(std::size_t{0})) visit(std::size_t{0}, prefix.chance, prefix.publicMisses);
        return;
    }
    const int last = grid.dimensions - 1;
    for (int dim = first; dim < last; ++dim) extend(dim);
    for (std::size_t cell = 0; cell < grid.blockCells; cell += SignCount) {
        for (int s = 0; s < SignCount; ++s) {
            if (!wanted(cell + static_cast<std::size_t>(s))) continue;
            WalkPrefix leaf = level[last];
            leaf.chance *= factors.chance[last][s];
            AddMatch(leaf.publicMisses, factors.publicShare[last][s]);
            visit(cell + static_cast<std::size_t>(s), leaf.chance, leaf.publicMisses);
        }
        // Count on in the dimensions before the last, as an odometer.
        int dim = last - 1;
        while (dim >= first && ++sign[dim] == SignCount) sign[dim--] = 0;
        if (dim < first) break;
        for (int d = dim; d < last; ++d) extend(d);
    }
}
