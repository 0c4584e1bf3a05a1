#pragma once

#include "chance_model.h"

// A column played alone: its expected prize, walking only the results
// within four misses of its simple bets. Exact whatever its doubles and
// triples; the time grows with its simple bets, about 20,000 results each
// with fourteen matches to play.
double LoneColumnPrize(const MatchSigns& marks, const ChanceModel& model);
