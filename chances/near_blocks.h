#pragma once

#include <vector>

#include "bet_histogram.h"
#include "grid_passes.h"

// A bet with few cells on the grid, gathered block by block: a block's
// counts come from the cells of the blocks within four misses of it on the
// matches outside blocks, each one miss further per match that differs.
// No grid-sized array: a block at a time, in cache.
class NearBlocks {
public:
    NearBlocks(const ResultGrid& grid, const std::vector<HistogramEntry>& entries);

    // Fills `planes` (blockCells each) with block `target`'s counts as they
    // stand once every match outside blocks has been passed. A block with
    // few simple bets near it is spread over its own matches too, each
    // simple bet to the cells within four misses of it: true then; false
    // when the block's own matches are still to pass.
    bool Gather(std::size_t target, const MissPlanes<Count>& planes) const;

private:
    struct Source {
        std::array<std::uint8_t, RowCount> signs{};  // per match outside blocks
        std::size_t begin = 0, end = 0;              // its entries
    };
    void SpreadNear(std::uint32_t cell, const MissCounts& counts, int apart, const MissPlanes<Count>& planes,
                    int dim) const;

    const ResultGrid& grid_;
    std::size_t nearCells_ = 0;  // cells within four misses of one, over a block's own matches
    std::vector<Source> sources_;
    std::vector<std::uint32_t> cell_;  // per entry, the cell within its block
    std::vector<MissCounts> counts_;
};
