#include "bet_chances.h"

#include <bit>
#include <cassert>

#include "fund_share.h"
#include "grid_passes.h"
#include "result_grid.h"

namespace {

using Count = std::uint32_t;

// What one block of results adds, kept apart so that the totals are summed
// in block order whatever the threads did.
struct BlockSums {
    MissPolynomial best{};     // [d]: chance that the best simple bet has exactly d misses
    MissPolynomial winners{};  // [d]: expected simple bets with d misses
    MissPolynomial shares{};   // [d]: expected own winners' share of the fund, times their number
};

int SignTotal(SignSet signs) { return std::popcount(static_cast<unsigned>(signs & AllSigns)); }

// Every simple bet of every column, as counts per cell of the grid (its
// signs on the matches to play) and per misses on the matches played.
class Histogram {
public:
    Histogram(const ResultGrid& grid, const MatchSigns& results)
        : grid_(grid), results_(results), counts_(PrizeCategories * grid.cells, 0) {}

    void Add(const MatchSigns& marks) {
        std::array<Count, PrizeCategories> played{1};
        for (int m = 0; m < RowCount; ++m) {
            if (results_[m] == 0) continue;
            const Count hit = (marks[m] & results_[m]) != 0;
            const Count miss = static_cast<Count>(SignTotal(marks[m])) - hit;
            for (int d = PrizeCategories - 1; d > 0; --d) played[d] = played[d] * hit + played[d - 1] * miss;
            played[0] *= hit;
        }
        Fill(marks, played, 0, 0);
    }

    MissPlanes<Count> Planes(std::size_t offset) {
        MissPlanes<Count> planes{};
        for (int d = 0; d < PrizeCategories; ++d) planes[d] = counts_.data() + d * grid_.cells + offset;
        return planes;
    }

private:
    void Fill(const MatchSigns& marks, const std::array<Count, PrizeCategories>& played, int dim,
              std::size_t cell) {
        if (dim == grid_.dimensions) {
            for (int d = 0; d < PrizeCategories; ++d) counts_[d * grid_.cells + cell] += played[d];
            return;
        }
        for (int s = 0; s < SignCount; ++s)
            if (marks[grid_.match[dim]] & (1 << s))
                Fill(marks, played, dim + 1, cell + static_cast<std::size_t>(s) * grid_.stride[dim]);
    }

    const ResultGrid& grid_;
    MatchSigns results_;
    std::vector<Count> counts_;
};

}  // namespace

std::uint64_t SimpleBets(const MatchSigns& marks) {
    std::uint64_t bets = 1;
    for (const SignSet signs : marks) bets *= static_cast<std::uint64_t>(SignTotal(signs));
    return bets;
}

BetChances ChancesOf(const std::vector<BetColumn>& columns, const ChanceModel& model,
                     const ChanceControl& control) {
    assert(columns.size() <= MaxChanceColumns);
    BetChances chances;
    const ResultGrid grid = ResultGridOf(model.results, control.blockDimensions);
    const WalkFactors factors = WalkFactorsOf(grid, model);
    chances.results = grid.cells;
    for (const BetColumn& column : columns) chances.bets += SimpleBets(column.marks);
    chances.costCents = chances.bets * PriceCents(model);

    Histogram histogram(grid, model.results);
    for (const BetColumn& column : columns)
        if (SimpleBets(column.marks) > 0) histogram.Add(column.marks);

    // The matches outside a block first, over the whole grid; then each
    // block takes its own matches and is summed while it is in cache.
    const MissPlanes<Count> whole = histogram.Planes(0);
    for (int dim = 0; dim < grid.outerDimensions(); ++dim) {
        if (control.cancel != nullptr && control.cancel->load()) {
            chances.cancelled = true;
            return chances;
        }
        ForEachRange(grid.cells / SignCount, control, [&](std::size_t begin, std::size_t end) {
            SpreadForward(whole, begin, end, grid.stride[dim]);
        });
    }

    const bool money = HasPrizeModel(model);
    const CategoryFigures funds = PrizeFunds(model);
    const double others = OtherBets(model);
    std::vector<BlockSums> sums(grid.blocks());
    const bool done = ForEachBlock(grid.blocks(), control, [&](std::size_t block) {
        const MissPlanes<Count> planes = histogram.Planes(block * grid.blockCells);
        for (int dim = grid.outerDimensions(); dim < grid.dimensions; ++dim)
            SpreadForward(planes, 0, grid.blockCells / SignCount, grid.stride[dim]);
        BlockSums& sum = sums[block];
        WalkBlock(grid, factors, BlockPrefix(grid, factors, block),
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
    });
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
