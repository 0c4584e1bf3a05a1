#pragma once

// The chances of a bet counted the slowest way, as the rules state them:
// every result, every simple bet of every column, and every pattern of
// right and wrong matches of a public bet. For rounds with few matches to
// play; the engine's figures are checked against these.

#include <bit>
#include <cmath>
#include <map>
#include <random>
#include <vector>

#include "chance_model.h"

namespace brute {

// Every simple bet of a column, doubles and triples expanded.
inline std::vector<MatchSigns> SimpleBetsOf(const MatchSigns& marks) {
    std::vector<MatchSigns> bets{MatchSigns{}};
    for (int m = 0; m < RowCount; ++m) {
        std::vector<MatchSigns> longer;
        for (const MatchSigns& bet : bets)
            for (const SignSet sign : {SignSet{1}, SignSet{2}, SignSet{4}})
                if (marks[m] & sign) {
                    MatchSigns next = bet;
                    next[m] = sign;
                    longer.push_back(next);
                }
        bets = longer;
    }
    return bets;
}

struct Result {
    MatchSigns signs{};
    double chance = 1;
};

// Every result the played matches allow, with its chance.
inline std::vector<Result> ResultsOf(const ChanceModel& model) {
    std::vector<Result> results{Result{}};
    for (int m = 0; m < RowCount; ++m) {
        std::vector<Result> longer;
        for (const Result& r : results)
            for (int s = 0; s < 3; ++s) {
                const SignSet sign = static_cast<SignSet>(1 << s);
                if (model.results[m] != 0 && model.results[m] != sign) continue;
                Result next = r;
                next.signs[m] = sign;
                if (model.results[m] == 0) next.chance *= model.probabilities[m][s];
                longer.push_back(next);
            }
        results = longer;
    }
    return results;
}

inline int Hits(const MatchSigns& bet, const MatchSigns& result) {
    int hits = 0;
    for (int m = 0; m < RowCount; ++m) hits += (bet[m] & result[m]) != 0;
    return hits;
}

// [h]: the chance that one public bet hits `result` exactly h times, summed
// over all 2^14 patterns of right and wrong matches.
inline std::vector<long double> PublicHits(const MatchSigns& result, const MatchFigures& shares) {
    std::vector<long double> hits(RowCount + 1, 0);
    for (unsigned pattern = 0; pattern < (1u << RowCount); ++pattern) {
        long double chance = 1;
        for (int m = 0; m < RowCount; ++m) {
            const int s = result[m] == 1 ? 0 : result[m] == 2 ? 1 : 2;
            chance *= (pattern >> m & 1) ? shares[m][s] : 1 - static_cast<long double>(shares[m][s]);
        }
        hits[std::popcount(pattern)] += chance;
    }
    return hits;
}

// E[1 / (m + W)], W ~ Poisson(lambda), summed term by term around the mode.
inline long double SlowShare(long double m, long double lambda) {
    if (lambda == 0) return 1 / m;
    const long double spread = 12 * std::sqrt(lambda) + 40;  // tails beyond: below e^-70
    const long double from = std::max<long double>(0, std::floor(lambda - spread));
    long double sum = 0;
    for (long double j = from; j <= lambda + spread; ++j)
        sum += std::exp(-lambda + j * std::log(lambda) - std::lgamma(j + 1)) / (m + j);
    return sum;
}

struct Figures {
    std::vector<long double> probability = std::vector<long double>(5, 0);  // [d]: best has 14 - d hits or more
    std::vector<long double> winners = std::vector<long double>(5, 0);
    std::vector<long double> prize = std::vector<long double>(5, 0);
    long double total = 0;
};

// The public's hits per result, kept between counts over the same model.
using PublicCache = std::map<MatchSigns, std::vector<long double>>;

inline Figures Count(const std::vector<MatchSigns>& columns, const ChanceModel& model, PublicCache* cache = nullptr) {
    Figures figures;
    std::vector<MatchSigns> bets;
    for (const MatchSigns& column : columns)
        for (const MatchSigns& bet : SimpleBetsOf(column)) bets.push_back(bet);
    const bool money = model.takings && model.publicShares;
    const long double others = money ? *model.takings / model.price : 0;
    for (const Result& r : ResultsOf(model)) {
        std::vector<long double> own(RowCount + 1, 0);
        int best = -1;
        for (const MatchSigns& bet : bets) {
            const int hits = Hits(bet, r.signs);
            ++own[hits];
            best = std::max(best, hits);
        }
        for (int d = 0; d < 5; ++d) {
            if (best >= 14 - d) figures.probability[d] += r.chance;
            figures.winners[d] += r.chance * own[14 - d];
        }
        if (!money || r.chance == 0) continue;
        PublicCache own_cache;
        PublicCache& known = cache ? *cache : own_cache;
        if (!known.count(r.signs)) known[r.signs] = PublicHits(r.signs, *model.publicShares);
        const std::vector<long double>& publicHits = known[r.signs];
        for (int d = 0; d < 5; ++d) {
            if (own[14 - d] == 0 || model.shares[d] == 0) continue;
            const long double fund = *model.takings * model.shares[d] / 100 + (d == 0 ? model.jackpot : 0);
            const long double paid = fund * own[14 - d] * SlowShare(own[14 - d], others * publicHits[14 - d]);
            figures.prize[d] += r.chance * paid;
            figures.total += r.chance * paid;
        }
    }
    return figures;
}

// Three figures summing to 1, one of them possibly 0.
inline SignFigures RandomSplit(std::mt19937& random, bool allowZero) {
    std::uniform_real_distribution<double> figure(0.05, 1.0);
    SignFigures split{figure(random), figure(random), figure(random)};
    if (allowZero && random() % 5 == 0) split[random() % 3] = 0;
    const double sum = split[0] + split[1] + split[2];
    for (double& f : split) f /= sum;
    return split;
}

// A round with `toPlay` matches still to play (the last ones, or spread
// when `spread`), realistic money, and a zero somewhere now and then.
inline ChanceModel RandomModel(std::mt19937& random, int toPlay, bool money) {
    ChanceModel model;
    MatchFigures shares{};
    for (int m = 0; m < RowCount; ++m) {
        model.probabilities[m] = RandomSplit(random, true);
        shares[m] = RandomSplit(random, true);
    }
    std::vector<int> order(RowCount);
    for (int m = 0; m < RowCount; ++m) order[m] = m;
    std::shuffle(order.begin(), order.end(), random);
    for (int k = toPlay; k < RowCount; ++k) model.results[order[k]] = static_cast<SignSet>(1 << (random() % 3));
    if (money) {
        model.publicShares = shares;
        model.takings = 2200000;
        model.jackpot = 350000;
        model.shares = {16, 7.5, 0, 7.5, 9};  // a category without a fund, too
    }
    return model;
}

// Columns near the results (so that they win now and then), some with
// doubles and triples, some repeated.
inline std::vector<MatchSigns> RandomColumns(std::mt19937& random, const ChanceModel& model, int count,
                                             int multiples) {
    std::vector<MatchSigns> columns;
    for (int c = 0; c < count; ++c) {
        if (c > 0 && random() % 6 == 0) {
            columns.push_back(columns[random() % columns.size()]);
            continue;
        }
        MatchSigns column{};
        for (int m = 0; m < RowCount; ++m) {
            const SignSet likely = model.results[m] != 0 ? model.results[m] : SignSet{1};
            column[m] = random() % 4 != 0 ? likely : static_cast<SignSet>(1 << (random() % 3));
        }
        for (int k = 0; k < multiples; ++k) column[random() % RowCount] |= static_cast<SignSet>(1 << (random() % 3));
        columns.push_back(column);
    }
    return columns;
}

}  // namespace brute
