#pragma once

#include "chance_model.h"
#include "value_conditions.h"

// The round's figures for budgets and the conditions of value, from the
// chances engine's model, so that a system weighs and values its columns as
// "quiniela chances" does: each sign's chance given the results known (a
// played match counts 1 for its result and 0 for the others), the public's
// shares, the price and, with the prize model, each simple column's
// expected prize as a single bet.
RoundFigures RoundFiguresOf(const ChanceModel& model);
