#include "bet_histogram.h"

#include <algorithm>
#include <bit>

std::optional<MissCounts> PlayedMisses(const MatchSigns& marks, const MatchSigns& results) {
    MissCounts played{1};
    for (int m = 0; m < RowCount; ++m) {
        const SignSet signs = marks[m] & AllSigns;
        if (signs == 0) return std::nullopt;
        if (results[m] == 0) continue;
        const Count hit = (signs & results[m]) != 0;
        const Count miss = static_cast<Count>(std::popcount(static_cast<unsigned>(signs))) - hit;
        for (int d = PrizeCategories - 1; d > 0; --d) played[d] = played[d] * hit + played[d - 1] * miss;
        played[0] *= hit;
    }
    if (std::all_of(played.begin(), played.end(), [](Count c) { return c == 0; })) return std::nullopt;
    return played;
}

std::uint64_t BoxCells(const MatchSigns& marks, const ResultGrid& grid) {
    std::uint64_t cells = 1;
    for (int dim = 0; dim < grid.dimensions; ++dim)
        cells *= static_cast<std::uint64_t>(std::popcount(static_cast<unsigned>(marks[grid.match[dim]] & AllSigns)));
    return cells;
}

std::vector<HistogramEntry> SparseHistogram(const std::vector<BetColumn>& columns, const ResultGrid& grid,
                                            const MatchSigns& results) {
    std::vector<HistogramEntry> entries;
    for (const BetColumn& column : columns) {
        const auto played = PlayedMisses(column.marks, results);
        if (!played) continue;
        ForEachBoxCell(column.marks, grid, [&](std::size_t cell) { entries.push_back({cell, *played}); });
    }
    std::sort(entries.begin(), entries.end(),
              [](const HistogramEntry& a, const HistogramEntry& b) { return a.cell < b.cell; });
    // Repeated cells merged into one.
    std::size_t kept = 0;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        if (kept > 0 && entries[kept - 1].cell == entries[k].cell) {
            for (int d = 0; d < PrizeCategories; ++d) entries[kept - 1].counts[d] += entries[k].counts[d];
        } else {
            entries[kept++] = entries[k];
        }
    }
    entries.resize(kept);
    return entries;
}
