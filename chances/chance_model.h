#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "jornada.h"

// What the chances of a bet are counted from: each match's chance of each
// sign, the results already known, and, when the round has them, the
// public's shares and the money that make the pari-mutuel prizes. No toolkit.

using MatchFigures = std::array<SignFigures, RowCount>;

struct ChanceModel {
    MatchFigures probabilities{};  // fractions, each match summing to 1
    MatchSigns results{};          // one sign per played match, 0 while to play
    double price = DefaultPrice;   // euros a simple bet
    std::optional<MatchFigures> publicShares;  // fractions, each match summing to 1
    std::optional<double> takings;             // euros
    double jackpot = 0;                        // euros, added to the 14-hit fund
    CategoryFigures shares = DefaultShares;    // per cent of the takings
};

// Every sign 1/3, nothing played, no money: the chances without a jornada.
ChanceModel UniformChanceModel();
// The jornada's probabilities (odds converted), results, public and money.
ChanceModel ChanceModelOf(const Jornada& jornada);

// The prizes can be estimated only with the takings and every match's public shares.
bool HasPrizeModel(const ChanceModel& model);
// The price in whole cents.
std::uint64_t PriceCents(const ChanceModel& model);
// The others' simple bets: takings / price.
double OtherBets(const ChanceModel& model);
// Each category's fund in euros, [0] = 14 hits with the jackpot.
CategoryFigures PrizeFunds(const ChanceModel& model);

// Chances by number of misses, [d] = d misses = 14 - d hits, down to 10 hits.
using MissPolynomial = std::array<double, PrizeCategories>;

// Multiplies by (right + (1 - right) x): one more match, right with chance `right`.
inline void AddMatch(MissPolynomial& poly, double right) {
    const double wrong = 1 - right;
    for (int d = PrizeCategories - 1; d > 0; --d) poly[d] = poly[d] * right + poly[d - 1] * wrong;
    poly[0] *= right;
}

// The sign of a one-sign set, 0..2.
inline int SignIndex(SignSet sign) { return sign == 1 ? 0 : sign == 2 ? 1 : 2; }
