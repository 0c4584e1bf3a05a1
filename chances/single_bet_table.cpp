#include "single_bet_table.h"

#include <algorithm>

#include "fund_share.h"
#include "grid_passes.h"

std::optional<SingleBetTable> SingleBetTable::Build(const ChanceModel& model, const ChanceControl& control) {
    if (!HasPrizeModel(model)) return std::nullopt;
    SingleBetTable table;
    table.grid_ = ResultGridOf(model.results, control.blockDimensions);
    table.results_ = model.results;
    const ResultGrid& grid = table.grid_;
    const WalkFactors factors = WalkFactorsOf(grid, model);
    const CategoryFigures funds = PrizeFunds(model);
    const double others = OtherBets(model);
    // A column already five misses from the played results wins nothing.
    table.planes_ = std::min(PrizeCategories, RowCount - grid.dimensions + 1);

    // The grid is taken a third at a time, cut along the first match to
    // play, so that five planes of doubles need not exist for all of it at
    // once: the planes that the last pass, along that first match, reads
    // are the table's own; the others are scratch for one third.
    const bool thirds = grid.outerDimensions() > 0;
    const std::size_t slabs = thirds ? SignCount : 1;
    const std::size_t slabCells = grid.cells / slabs;
    const std::size_t slabBlocks = grid.blocks() / slabs;
    const int kept = thirds ? std::min(PrizeCategories, table.planes_ + 1) : table.planes_;
    table.table_ = BigBuffer<double>(static_cast<std::size_t>(kept) * grid.cells);
    BigBuffer<double> scratch(static_cast<std::size_t>(PrizeCategories - kept) * slabCells);
    for (std::size_t slab = 0; slab < slabs; ++slab) {
        const auto planesAt = [&](std::size_t offset) {
            MissPlanes<double> planes{};
            for (int d = 0; d < PrizeCategories; ++d)
                planes[d] = d < kept ? table.table_.data() + d * grid.cells + slab * slabCells + offset
                                     : scratch.data() + (d - kept) * slabCells + offset;
            return planes;
        };
        const double from = static_cast<double>(slab) / static_cast<double>(slabs);
        const bool done = ForEachBlock(
            slabBlocks, control,
            [&](std::size_t block, int) {
                const MissPlanes<double> planes = planesAt(block * grid.blockCells);
                WalkBlock(grid, factors, BlockPrefix(grid, factors, slab * slabBlocks + block),
                          [](std::size_t) { return true; },
                          [&](std::size_t cell, double chance, const MissPolynomial& publicMisses) {
                              for (int d = 0; d < PrizeCategories; ++d)
                                  planes[d][cell] = chance == 0 || funds[d] == 0
                                                        ? 0
                                                        : chance * funds[d] * FundShare(1, others * publicMisses[d]);
                          });
                for (int dim = grid.outerDimensions(); dim < grid.dimensions; ++dim)
                    SpreadBack(planes, 0, grid.blockCells / SignCount, grid.stride[dim]);
            },
            from, from + 1 / static_cast<double>(slabs));
        if (!done) return std::nullopt;
        const MissPlanes<double> whole = planesAt(0);
        for (int dim = thirds ? 1 : 0; dim < grid.outerDimensions(); ++dim)
            ForEachRange(slabCells / SignCount, control, [&](std::size_t begin, std::size_t end) {
                SpreadBack(whole, begin, end, grid.stride[dim]);
            });
    }
    if (!thirds) return table;

    // The pass along the first match, in place: a third gains the next
    // plane of the other two, one miss more. Planes from the lowest, so
    // that each reads the next before it changes.
    for (int f = 0; f < table.planes_ && f + 1 < kept; ++f)
        for (std::size_t slab = 0; slab < slabs; ++slab) {
            double* out = table.table_.data() + f * grid.cells + slab * slabCells;
            for (std::size_t other = 0; other < slabs; ++other) {
                if (other == slab) continue;
                const double* next = table.table_.data() + (f + 1) * grid.cells + other * slabCells;
                for (std::size_t i = 0; i < slabCells; ++i) out[i] += next[i];
            }
        }
    return table;
}

double SingleBetTable::Prize(const MatchSigns& column) const {
    int misses = 0;
    for (int m = 0; m < RowCount; ++m) misses += results_[m] != 0 && (column[m] & results_[m]) == 0;
    std::size_t cell = 0;
    for (int dim = 0; dim < grid_.dimensions; ++dim)
        cell += static_cast<std::size_t>(SignIndex(column[grid_.match[dim]])) * grid_.stride[dim];
    return Prize(cell, misses);
}
