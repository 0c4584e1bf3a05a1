#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "result_grid.h"

// A bet's simple bets laid on the grid of results: each at the cell of its
// signs on the matches to play, counted by its misses on the matches played.

using Count = std::uint32_t;
using MissCounts = std::array<Count, PrizeCategories>;

// The column's simple bets by misses on the played matches; nothing when
// none is within four misses (or the column has a match without a sign).
std::optional<MissCounts> PlayedMisses(const MatchSigns& marks, const MatchSigns& results);

// The column's simple bets on the matches to play: the cells of its box.
std::uint64_t BoxCells(const MatchSigns& marks, const ResultGrid& grid);

// Calls visit(cell) for every cell of the column's box.
template <typename Visit>
void ForEachBoxCell(const MatchSigns& marks, const ResultGrid& grid, Visit&& visit, int dim = 0,
                    std::size_t cell = 0) {
    if (dim == grid.dimensions) {
        visit(cell);
        return;
    }
    for (int s = 0; s < SignCount; ++s)
        if (marks[grid.match[dim]] & (1 << s))
            ForEachBoxCell(marks, grid, visit, dim + 1, cell + static_cast<std::size_t>(s) * grid.stride[dim]);
}

struct HistogramEntry {
    std::size_t cell = 0;
    MissCounts counts{};
};

// The bet's cells with simple bets, in cell order, each once.
std::vector<HistogramEntry> SparseHistogram(const std::vector<BetColumn>& columns, const ResultGrid& grid,
                                            const MatchSigns& results);
