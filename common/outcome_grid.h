#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "column_conditions.h"
#include "scrutiny.h"

// The outcomes of a forecast laid out as a grid: one cell per outcome, the
// first match most significant and the last varying fastest, each match's
// signs in the order 1, X, 2. The guarantee engines count over this order.

struct OutcomeGrid {
    std::array<int, RowCount> size{};            // forecast signs of each match
    std::array<std::size_t, RowCount> stride{};  // cells between neighbours along a match
    std::array<std::array<SignSet, SignCount>, RowCount> sign{};  // [r][k]: the k-th forecast sign
    std::size_t cells = 0;                       // 0 when a match has no forecast sign
};

OutcomeGrid GridOf(const MatchSigns& forecast);

// One byte per cell: 1 when the outcome meets `conditions`, else 0.
std::vector<std::uint8_t> ConditionMask(const OutcomeGrid& grid, const ColumnConditions& conditions);

// [k]: outcomes whose best column hits k.
using HitHistogram = std::array<std::uint64_t, RowCount + 1>;
