#include "lone_column.h"

#include <bit>

#include "fund_share.h"
#include "result_grid.h"

namespace {

// A simple column: one simple bet, so a result is a number of misses.
struct SimpleWalk {
    const ResultGrid& grid;
    const WalkFactors& factors;
    std::array<int, RowCount> sign{};  // the column's per dimension
    CategoryFigures funds;
    double others;

    double Walk(int dim, int misses, const WalkPrefix& prefix) const {
        if (dim == grid.dimensions)
            return funds[misses] > 0
                       ? prefix.chance * funds[misses] * FundShare(1, others * prefix.publicMisses[misses])
                       : 0;
        double sum = 0;
        for (int s = 0; s < SignCount; ++s) {
            const int next = misses + (s != sign[dim]);
            const double chance = factors.chance[dim][s];
            if (next >= PrizeCategories || chance == 0) continue;
            WalkPrefix deeper = prefix;
            deeper.chance *= chance;
            AddMatch(deeper.publicMisses, factors.publicShare[dim][s]);
            sum += Walk(dim + 1, next, deeper);
        }
        return sum;
    }
};

struct LoneWalk {
    const ResultGrid& grid;
    const WalkFactors& factors;
    const MatchSigns& marks;
    CategoryFigures funds;
    double others;

    // The column's simple bets by misses so far, the result's chance and the
    // public's misses, carried down the matches to play.
    double Walk(int dim, const MissPolynomial& own, const WalkPrefix& prefix) const {
        if (dim == grid.dimensions) {
            double paid = 0;
            for (int d = 0; d < PrizeCategories; ++d)
                if (own[d] > 0 && funds[d] > 0) {
                    const auto count = static_cast<std::uint64_t>(own[d]);
                    paid += funds[d] * own[d] * FundShare(count, others * prefix.publicMisses[d]);
                }
            return prefix.chance * paid;
        }
        const SignSet signs = marks[grid.match[dim]] & AllSigns;
        const double total = std::popcount(static_cast<unsigned>(signs));
        double sum = 0;
        for (int s = 0; s < SignCount; ++s) {
            const double chance = factors.chance[dim][s];
            if (chance == 0) continue;
            // Against sign s the column hits with one simple bet and misses with the rest.
            const double hit = (signs & (1 << s)) ? 1 : 0;
            MissPolynomial next{};
            bool alive = false;
            for (int d = 0; d < PrizeCategories; ++d) {
                next[d] = own[d] * hit + (d > 0 ? own[d - 1] * (total - hit) : 0);
                alive = alive || next[d] > 0;
            }
            if (!alive) continue;  // every simple bet already past ten hits
            WalkPrefix deeper = prefix;
            deeper.chance *= chance;
            AddMatch(deeper.publicMisses, factors.publicShare[dim][s]);
            sum += Walk(dim + 1, next, deeper);
        }
        return sum;
    }
};

}  // namespace

double LoneColumnPrize(const MatchSigns& marks, const ChanceModel& model) {
    if (!HasPrizeModel(model)) return 0;
    const ResultGrid grid = ResultGridOf(model.results, RowCount);
    const WalkFactors factors = WalkFactorsOf(grid, model);
    MissPolynomial own{1};
    for (int m = 0; m < RowCount; ++m) {
        if (model.results[m] == 0) continue;
        const double hit = (marks[m] & model.results[m]) ? 1 : 0;
        const double miss = std::popcount(static_cast<unsigned>(marks[m] & AllSigns)) - hit;
        for (int d = PrizeCategories - 1; d > 0; --d) own[d] = own[d] * hit + own[d - 1] * miss;
        own[0] *= hit;
    }
    bool alive = false, simple = true;
    for (const double count : own) alive = alive || count > 0;
    if (!alive) return 0;
    for (int dim = 0; dim < grid.dimensions; ++dim)
        simple = simple && std::has_single_bit(static_cast<unsigned>(marks[grid.match[dim]] & AllSigns));
    if (simple && own[0] + own[1] + own[2] + own[3] + own[4] == 1) {
        SimpleWalk walk{grid, factors, {}, PrizeFunds(model), OtherBets(model)};
        for (int dim = 0; dim < grid.dimensions; ++dim) walk.sign[dim] = SignIndex(marks[grid.match[dim]] & AllSigns);
        int misses = 0;
        while (own[misses] == 0) ++misses;
        return walk.Walk(0, misses, WalkPrefix{1, factors.playedPublic});
    }
    const LoneWalk walk{grid, factors, marks, PrizeFunds(model), OtherBets(model)};
    return walk.Walk(0, own, WalkPrefix{1, factors.playedPublic});
}
