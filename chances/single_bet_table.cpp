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
    // once: each third keeps only the planes that the last pass, along that
    // first match, reads.
    const bool thirds = grid.outerDimensions() > 0;
    const std::size_t slabs = thirds ? SignCount : 1;
    const std::size_t slabCells = grid.cells / slabs;
    const std::size_t slabBlocks = grid.blocks() / slabs;
    const int kept = thirds ? std::min(PrizeCategories, table.planes_ + 1) : table.planes_;
    std::vector<double> keep(slabs * static_cast<std::size_t>(kept) * slabCells);
    {
        std::vector<double> work(PrizeCategories * slabCells);
        const auto planesAt = [&](std::size_t offset) {
            MissPlanes<double> planes{};
            for (int d = 0; d < PrizeCategories; ++d) planes[d] = work.data() + d * slabCells + offset;
            return planes;
        };
        for (std::size_t slab = 0; slab < slabs; ++slab) {
            const double from = static_cast<double>(slab) / static_cast<double>(slabs);
            const bool done = ForEachBlock(
                slabBlocks, control,
                [&](std::size_t block) {
                    const MissPlanes<double> planes = planesAt(block * grid.blockCells);
                    const std::size_t global = slab * slabBlocks + block;
                    WalkBlock(grid, factors, BlockPrefix(grid, factors, global),
                              [&](std::size_t cell, double chance, const MissPolynomial& publicMisses) {
                                  for (int d = 0; d < PrizeCategories; ++d)
                                      planes[d][cell] = chance == 0 || funds[d] == 0
                                                            ? 0
                                                            : chance * funds[d] *
                                                                  FundShare(1, others * publicMisses[d]);
                              });
                    for (int dim = grid.outerDimensions(); dim < grid.dimensions; ++dim)
                        SpreadBack(planes, 0, grid.blockCells / SignCount, grid.stride[dim]);
                },
                from, from + 0.9 / static_cast<double>(slabs));
            if (!done) return std::nullopt;
            const MissPlanes<double> whole = planesAt(0);
            for (int dim = thirds ? 1 : 0; dim < grid.outerDimensions(); ++dim)
                ForEachRange(slabCells / SignCount, control, [&](std::size_t begin, std::size_t end) {
                    SpreadBack(whole, begin, end, grid.stride[dim]);
                });
            for (int d = 0; d < kept; ++d)
                std::copy(whole[d], whole[d] + slabCells,
                          keep.begin() + static_cast<std::ptrdiff_t>((slab * kept + d) * slabCells));
        }
    }

    const auto plane = [&](std::size_t slab, int d) { return keep.data() + (slab * kept + d) * slabCells; };
    table.table_.resize(static_cast<std::size_t>(table.planes_) * grid.cells);
    for (int f = 0; f < table.planes_; ++f)
        for (std::size_t slab = 0; slab < slabs; ++slab) {
            double* out = table.table_.data() + f * grid.cells + slab * slabCells;
            std::copy(plane(slab, f), plane(slab, f) + slabCells, out);
            if (!thirds || f + 1 >= kept) continue;
            // The pass along the first match: one miss more from the other two thirds.
            for (std::size_t other = 0; other < slabs; ++other) {
                if (other == slab) continue;
                const double* from = plane(other, f + 1);
                for (std::size_t i = 0; i < slabCells; ++i) out[i] += from[i];
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
