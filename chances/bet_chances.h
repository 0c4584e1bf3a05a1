#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "chance_control.h"
#include "chance_model.h"

// The chances and the value of a whole bet over every result still
// possible: the matches played are fixed, the others vary independently
// with their probabilities. Exact: every result is counted, in a few passes
// over the grid of results however many columns the bet has. No toolkit.

// Counts of simple bets per result are kept in 32 bits: a column has at
// most C(14, 4) * 2^4 = 16,016 simple bets four misses from a result, so a
// bet of this many columns cannot overflow them.
inline constexpr std::size_t MaxChanceColumns = 268000;

struct BetChances {
    std::uint64_t bets = 0;       // simple bets
    std::uint64_t costCents = 0;  // bets at the model's price
    std::uint64_t results = 0;    // results counted: 3^(matches to play)
    // [k] for 14 - k hits, 14 down to 10:
    CategoryFigures probability{};      // the best simple bet has at least 14 - k hits
    CategoryFigures expectedWinners{};  // expected simple bets with exactly 14 - k hits
    // With the prize model: euros the bet expects from each category's fund,
    // their total, and the total per euro staked (none when nothing is staked).
    std::optional<CategoryFigures> expectedPrize;
    double expectedTotal = 0;
    std::optional<double> value;
    bool cancelled = false;  // stopped by the control's flag: the figures are not to be used
};

// At most MaxChanceColumns columns; columns with doubles and triples count
// each of their simple bets.
BetChances ChancesOf(const std::vector<BetColumn>& columns, const ChanceModel& model,
                     const ChanceControl& control = {});

// Simple bets of a column: the product of its signs per match.
std::uint64_t SimpleBets(const MatchSigns& marks);
