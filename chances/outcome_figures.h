#pragma once

#include <vector>

#include "chance_control.h"
#include "chance_model.h"

// Figures for every simple column of a forecast's development, in the order
// of OutcomeSpace (the first match most significant, the last varying
// fastest, each match's forecast signs in the order 1, X, 2): what budget
// systems choose among.

// Each column's expected prize as a single bet, in euros. Empty without the
// prize model, when the forecast has a match without signs, or when cancelled.
std::vector<double> SingleBetPrizes(const ChanceModel& model, const MatchSigns& forecast,
                                    const ChanceControl& control = {});

struct OutcomeChances {
    std::vector<double> probability14;  // given the results known (see ChanceOf14)
    std::vector<double> public14;       // empty without the public's shares
};

OutcomeChances OutcomeChancesOf(const ChanceModel& model, const MatchSigns& forecast);
