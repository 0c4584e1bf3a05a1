#pragma once

#include "scrutiny.h"

// During the round: the simple bets that can still reach each prize
// category, their hits so far plus the matches still to be played. Exact,
// without listing the simple bets.

// Matches of the result still to be played.
int PendingMatches(const MatchSigns& result);

// Simple bets of the column that can still reach at least 14, 13, ... 10
// hits ([0] = 14); none when a match has no sign.
PrizeCounts AliveBets(const BetColumn& column, const MatchSigns& result);
// The same summed over the scrutiny's columns, against its result.
PrizeCounts AliveBets(const Scrutiny& scrutiny);
