#include "bet_chances.h"

#include <bit>
#include <cassert>

#include "big_buffer.h"
#include "bet_histogram.h"
#include "fund_share.h"
#include "grid_passes.h"
#include "near_blocks.h"

namespace {

// What one block of results adds, kept apart so that the totals are summed
// in block order whatever the threads did.
struct BlockSums {
    MissPolynomial best{};     // [d]: chance that the best simple bet has exactly d misses
    MissPolynomial winners{};  // [d]: expected simple bets with d misses
    MissPolynomial shares{};   // [d]: expected own winners' share of the fund, times their number
};

// Gathering a block from the bet's cells costs about a cell per cell
// gathered, for every block; passing the whole grid along its outer matches
// costs a few cells per cell of the grid and match. Over 14 matches to play
// both take 1.1 s for 100,000 simple columns (bench/chances_bench), about
// one cell of the bet per cell of a block and outer match.
constexpr std::size_t GatherPerBlockCell = 1;

struct BlockCounter {
    const ResultGrid& grid;
    const WalkFactors& factors;
    bool money;
    CategoryFigures funds;
    double others;

    // Passes the block's own matches over `planes` unless `spread` says they
    // are done, then sums its results.
    void Sum(std::size_t block, const MissPlanes<Count>& planes, bool spread, BlockSums& sum) const {
        if (!spread)
            for (int dim = grid.outerDimensions(); dim < grid.dimensions; ++dim)
                SpreadForward(planes, 0, grid.blockCells / SignCount, grid.stride[dim]);
        const auto held = [&](std::size_t cell) {
            return (planes[0][cell] | planes[1][cell] | planes[2][cell] | planes[3][cell] | planes[4][cell]) != 0;
        };
        WalkBlock(grid, factors, BlockPrefix(grid, factors, block), held,
                  [&](std::size_t cell, double chance, const MissPolynomial& publicMisses) {
                      if (chance == 0) return;
                      bool reached = false;
                      for (int d = 0; d < PrizeCategories; ++d) {
                          const Count own = planes[d][cell];
                          if (own == 0) continue;
                          if (!reached) sum.best[d] += chance;
                          reached = true;
                          sum.winners[d] += chance * own;
                          if (money && funds[d] > 0)
                              sum.shares[d] += chance * own * FundShare(own, others * publicMisses[d]);
                      }
                  });
    }
};

MissPlanes<Count> PlanesIn(Count* data, std::size_t planeCells, std::size_t offset) {
    MissPlanes<Count> planes{};
    for (int d = 0; d < PrizeCategories; ++d) planes[d] = data + d * planeCells + offset;
    return planes;
}

// Every block gathered from the bet's few cells, in a buffer per thread.
bool CountNear(const ResultGrid& grid, const std::vector<HistogramEntry>& entries, const BlockCounter& counter,
               const ChanceControl& control, std::vector<BlockSums>& sums) {
    const NearBlocks near(grid, entries);
    std::vector<std::vector<Count>> buffers(static_cast<std::size_t>(ThreadsFor(control, grid.blocks())));
    return ForEachBlock(grid.blocks(), control, [&](std::size_t block, int thread) {
        std::vector<Count>& buffer = buffers[static_cast<std::size_t>(thread)];
        buffer.resize(PrizeCategories * grid.blockCells);
        const MissPlanes<Count> planes = PlanesIn(buffer.data(), grid.blockCells, 0);
        counter.Sum(block, planes, near.Gather(block, planes), sums[block]);
    });
}

// The whole grid at once: the bet's simple bets filled in, passed along the
// matches outside blocks, then block by block.
bool CountWhole(const ResultGrid& grid, const std::vector<BetColumn>& columns, const MatchSigns& results,
                const BlockCounter& counter, const ChanceControl& control, std::vector<BlockSums>& sums) {
    BigBuffer<Count> counts(PrizeCategories * grid.cells);
    for (const BetColumn& column : columns) {
        const auto played = PlayedMisses(column.marks, results);
        if (!played) continue;
        ForEachBoxCell(column.marks, grid, [&](std::size_t cell) {
            for (int d = 0; d < PrizeCategories; ++d) counts.data()[d * grid.cells + cell] += (*played)[d];
        });
    }
    const MissPlanes<Count> whole = PlanesIn(counts.data(), grid.cells, 0);
    for (int dim = 0; dim < grid.outerDimensions(); ++dim) {
        if (control.cancel != nullptr && control.cancel->load()) return false;
        ForEachRange(grid.cells / SignCount, control, [&](std::size_t begin, std::size_t end) {
            SpreadForward(whole, begin, end, grid.stride[dim]);
        });
    }
    return ForEachBlock(grid.blocks(), control, [&](std::size_t block, int) {
        counter.Sum(block, PlanesIn(counts.data(), grid.cells, block * grid.blockCells), false, sums[block]);
    });
}

}  // namespace

std::uint64_t SimpleBets(const MatchSigns& marks) {
    std::uint64_t bets = 1;
    for (const SignSet signs : marks) bets *= static_cast<std::uint64_t>(std::popcount(static_cast<unsigned>(signs & AllSigns)));
    return bets;
}

BetChances ChancesOf(const std::vector<BetColumn>& columns, const ChanceModel& model,
                     const ChanceControl& control) {
    assert(columns.size() <= MaxChanceColumns);
    BetChances chances;
    const ResultGrid grid = ResultGridOf(model.results, control.blockDimensions);
    const WalkFactors factors = WalkFactorsOf(grid, model);
    chances.results = grid.cells;
    std::uint64_t boxes = 0;
    for (const BetColumn& column : columns) {
        chances.bets += SimpleBets(column.marks);
        if (PlayedMisses(column.marks, model.results)) boxes += BoxCells(column.marks, grid);
    }
    chances.costCents = chances.bets * PriceCents(model);

    const bool money = HasPrizeModel(model);
    const CategoryFigures funds = PrizeFunds(model);
    const BlockCounter counter{grid, factors, money, funds, OtherBets(model)};
    std::vector<BlockSums> sums(grid.blocks());
    const bool near = grid.outerDimensions() == 0 ||
                      boxes <= GatherPerBlockCell * grid.blockCells * static_cast<std::size_t>(grid.outerDimensions());
    const bool done = near ? CountNear(grid, SparseHistogram(columns, grid, model.results), counter, control, sums)
                           : CountWhole(grid, columns, model.results, counter, control, sums);
    if (!done) {
        chances.cancelled = true;
        return chances;
    }

    CategoryFigures shares{};
    for (const BlockSums& sum : sums)
        for (int d = 0; d < PrizeCategories; ++d) {
            chances.probability[d] += sum.best[d];
            chances.expectedWinners[d] += sum.winners[d];
            shares[d] += sum.shares[d];
        }
    // At least 14 - d hits: the best has d misses or fewer.
    for (int d = 1; d < PrizeCategories; ++d) chances.probability[d] += chances.probability[d - 1];
    if (money) {
        chances.expectedPrize.emplace();
        for (int d = 0; d < PrizeCategories; ++d) {
            (*chances.expectedPrize)[d] = funds[d] * shares[d];
            chances.expectedTotal += (*chances.expectedPrize)[d];
        }
        const double cost = model.price * static_cast<double>(chances.bets);
        if (cost > 0) chances.value = chances.expectedTotal / cost;
    }
    return chances;
}
