#pragma once

#include <optional>
#include <vector>

#include "chance_control.h"
#include "chance_model.h"

// Each column of a bet on its own: its chance of 14, the public's chance of
// the same column, and its expected prize as if it were played alone. A
// column with doubles and triples sums its simple bets.

struct ColumnChances {
    int column = 0;            // 0-based, as BetColumn
    double probability14 = 0;  // given the results known: 0 once a played match misses it
    std::optional<double> public14;       // over all 14 matches, as played before the round
    std::optional<double> contra;         // probability14 / public14; none when public14 is 0
    std::optional<double> expectedPrize;  // euros, with the prize model
};

// Empty when cancelled.
std::vector<ColumnChances> ColumnChancesOf(const std::vector<BetColumn>& columns, const ChanceModel& model,
                                           const ChanceControl& control = {});

// The chance that `marks` has 14 hits: the product over the matches of the
// chances of its signs, a played match counting 1 or 0.
double ChanceOf14(const MatchSigns& marks, const ChanceModel& model);
// The public's chance of the same, over all 14 matches; none without the public's shares.
std::optional<double> PublicChanceOf14(const MatchSigns& marks, const ChanceModel& model);
