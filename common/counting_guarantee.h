#pragma once

#include <cstdint>
#include <vector>

#include "outcome_space.h"
#include "scrutiny.h"

// The guarantee counted column by column: the hits of every column for every
// outcome, sixteen columns to a vector. Fastest for bets of a few dozen
// columns; its time grows with the number of columns.

// `forecast` must hold a sign on every match and `columns` at least one
// column. `mask`: nullptr, or a byte per outcome of OutcomeSpace(forecast), the
// outcomes with a 0 left out.
HitHistogram CountBestHits(const std::vector<BetColumn>& columns, const MatchSigns& forecast,
                           const std::uint8_t* mask);
