#pragma once

#include <cstdint>
#include <vector>

#include "column_conditions.h"
#include "outcome_space.h"

// One byte per outcome of `space`: 1 when it meets `conditions`, else 0.
// Built in one walk over the matches, whole blocks of outcomes skipped once
// a prefix can no longer meet a maximum: far quicker than testing every
// outcome's fourteen signs.
std::vector<std::uint8_t> ConditionMask(const OutcomeSpace& space, const ColumnConditions& conditions);
