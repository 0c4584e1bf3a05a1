#pragma once

#include <cstdint>

// A category's fund is shared equally among its winners: the bet's own `m`
// and the others', W of them, W ~ Poisson(lambda). What each own winner
// expects to take, as a fraction of the fund:
//   E[1 / (m + W)] = integral over t in [0, 1] of t^(m-1) e^(-lambda (1 - t))
// and 1 / m when lambda is 0. `m` >= 1.
double FundShare(std::uint64_t m, double lambda);
