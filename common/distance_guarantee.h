#pragma once

#include <cstdint>
#include <vector>

#include "outcome_space.h"
#include "scrutiny.h"

// The guarantee found by distance: for every outcome at once, the fewest
// misses of any column (a miss: the outcome's sign is not among the column's
// signs on that match). Each column marks its cells at distance 0, then one
// pass per match spreads the distances along it, so the time is a few passes
// over the grid however many columns the bet has.

// Per outcome of `space`: the fewest misses of any column, RowCount when there
// is none. A column's signs outside the forecast never hit.
std::vector<std::uint8_t> NearestMisses(const std::vector<BetColumn>& columns, const OutcomeSpace& space);

// What filling the columns' cells costs, in cells: a column with doubles and
// triples covers many.
std::uint64_t CoveredCells(const std::vector<BetColumn>& columns, const OutcomeSpace& space);

// As CountBestHits, by distance.
HitHistogram DistanceBestHits(const std::vector<BetColumn>& columns, const MatchSigns& forecast,
                              const std::uint8_t* mask);
