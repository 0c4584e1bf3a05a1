#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "jornada.h"
#include "outcome_space.h"

// What the round tells of each simple column of a forecast, and the
// conditions of value that leave columns out by it: too unlikely, too
// popular with the public, or worth too little as a single bet. No toolkit.

// Per match, one figure per sign in the order 1, X, 2.
using MatchSignFigures = std::array<SignFigures, RowCount>;

struct RoundFigures {
    // Each sign's chance, fractions summing to 1 per match (a played match:
    // 1 for its result). None: every outcome alike.
    std::optional<MatchSignFigures> probabilities;
    std::optional<MatchSignFigures> publicShares;  // the public's share of each sign, fractions
    double price = DefaultPrice;                   // euros a simple bet
    // Each simple column of the forecast's development, numbered as
    // OutcomeSpace, played as a single bet: its expected prize in euros.
    // Unset, or returning nothing, without a prize model; also nothing when
    // `cancel` is set meanwhile.
    std::function<std::vector<double>(const MatchSigns& forecast, const std::atomic<bool>* cancel)> singleBetPrizes;
};

// Each condition keeps the outcomes that reach it; unset, it keeps all.
struct ValueConditions {
    std::optional<double> minProbability;  // chance of 14 at least this
    std::optional<double> minContra;       // chance of 14 at least this times the public's chance of it
    std::optional<double> minValue;        // expected prize as a single bet at least this times the price
    bool any() const { return minProbability || minContra || minValue; }
};

// What a condition needed and the round did not have.
enum class ValueShortfall { None, Probabilities, PublicShares, PrizeModel, Cancelled };

// Clears in `inS` (a byte per outcome of `space`) the outcomes that fall
// short of `conditions`; `inS` is left as it was when a figure is missing.
ValueShortfall ApplyValueConditions(const OutcomeSpace& space, const MatchSigns& forecast, const RoundFigures& round,
                                    const ValueConditions& conditions, const std::atomic<bool>* cancel,
                                    std::vector<std::uint8_t>& inS);

// Per outcome of `space`, the product over the matches of `figures` for its
// signs: its chance of 14, or the public's chance of it.
std::vector<double> OutcomeProducts(const OutcomeSpace& space, const MatchSignFigures& figures);
