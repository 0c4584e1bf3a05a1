#include "fund_share.h"

#include <cmath>

namespace {

// Past this, e^-lambda is below 1e-17: terms carrying it vanish beside 1 / lambda.
constexpr double NegligibleExponent = 40;
// Errors a recurrence carries, and terms a sum drops, stay below this, relative.
constexpr double Tolerance = 1e-17;

// With n = m - 1, integrating by parts gives I_m = (1 - n I_(m-1)) / lambda:
// upwards it shrinks errors while n <= lambda, downwards, as
// I_m = (1 - lambda I_(m+1)) / m, while m > lambda.
double Upwards(std::uint64_t m, double lambda) {
    double share = -std::expm1(-lambda) / lambda;
    for (std::uint64_t j = 2; j <= m; ++j) share = (1 - static_cast<double>(j - 1) * share) / lambda;
    return share;
}

// Unrolled, the upward recurrence is the finite sum
//   I_m = sum over k = 0..n of (-1)^k n! / ((n - k)! lambda^(k+1))
// up to terms in e^-lambda; its terms shrink by (n - k) / lambda, so for
// lambda well above n a few of them reach the tolerance.
double Expansion(std::uint64_t m, double lambda) {
    const std::uint64_t n = m - 1;
    double sum = 0, term = 1 / lambda;
    for (std::uint64_t k = 0; k <= n; ++k) {
        sum += term;
        if (std::fabs(term) < Tolerance * sum) break;
        term *= -static_cast<double>(n - k) / lambda;
    }
    return sum;
}

double Downwards(std::uint64_t m, double lambda) {
    // Start far enough up that the error of the start, under 100 %, has
    // shrunk by the product of lambda / j below the tolerance.
    std::uint64_t top = m;
    for (double shrink = 1; shrink > Tolerance; ++top) shrink *= lambda / static_cast<double>(top);
    double share = 1 / (static_cast<double>(top) + lambda);  // E[1/(top+W)] >= this, and <= 1/top
    for (std::uint64_t j = top - 1; j >= m; --j) share = (1 - lambda * share) / static_cast<double>(j);
    return share;
}

}  // namespace

double FundShare(std::uint64_t m, double lambda) {
    const double own = static_cast<double>(m);
    if (lambda <= 0) return 1 / own;
    if (own - 1 > lambda) return Downwards(m, lambda);
    return lambda > NegligibleExponent ? Expansion(m, lambda) : Upwards(m, lambda);
}
