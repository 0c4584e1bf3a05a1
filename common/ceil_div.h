#pragma once

#include <concepts>

// a / b rounded up, for counts: slips of eight columns, vectors of sixteen,
// outcomes a column's ball reaches. 0 when b is 0.
template <std::unsigned_integral T>
constexpr T CeilDiv(T a, T b) {
    return b == 0 ? 0 : a / b + (a % b != 0);
}
