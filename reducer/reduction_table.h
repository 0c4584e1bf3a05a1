#pragma once

#include <array>
#include <cstdint>

#include "coupon_model.h"

// The fixed reduced system "Reducida a 8": for each of 8 bets and 14 matches,
// whether the bet takes the match's first (1), second (2) or third (3) sign.
inline constexpr int ReducedColumns = 8;

struct ReductionTable {
    std::array<std::array<std::int32_t, 15>, 9> entry{};  // [column][row]
};

// Each row's first, second and third sign index; choice 0 is unused.
struct SignChoice {
    std::array<std::array<std::int32_t, 4>, 15> sign{};  // [row][choice]
};

// The eight bets as sign indexes, [column][row].
using ReducedSystem = std::array<std::array<int, RowCount>, ReducedColumns>;

void FillReductionTable(ReductionTable& table);

// The highest sign index that is neither the row's first nor its second sign.
std::int16_t ThirdSign(const SignChoice& choice, int row);

// The signs the user chose: column 0 of the marks gives each match's first
// sign, column 1 its second; the highest marked sign of a row wins.
SignChoice ChooseSigns(const CouponTable<std::int32_t>& marks);

// A row with any mark in column 1 varies as the table says; any other row
// plays its first sign in all eight bets.
ReducedSystem ResolveReducedSystem(const CouponTable<std::int32_t>& marks,
                                   const ReductionTable& table);
