#include "lone_column.h"

#include <bit>

#include "fund_share.h"
#include "result_grid.h"

namespace {

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
    bool alive = false;
    for (const double count : own) alive = alive || count > 0;
    if (!alive) return 0;
    const LoneWalk walk{grid, factors, marks, PrizeFunds(model), OtherBets(model)};
    return walk.Walk(0, own, WalkPrefix{1, factors.playedPublic});
}
