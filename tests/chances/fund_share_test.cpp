#include "fund_share.h"

#include <gtest/gtest.h>

#include "brute_chances.h"

namespace {

// The integral over [0, 1] of t^(m-1) e^(-lambda (1 - t)), by Simpson's
// rule on 20,000 panels: slow, and independent of the Poisson sum.
double Quadrature(int m, double lambda) {
    const int panels = 20000;
    const auto f = [&](double t) { return std::pow(t, m - 1) * std::exp(-lambda * (1 - t)); };
    double sum = f(0) + f(1);
    for (int i = 1; i < panels; ++i) sum += f(static_cast<double>(i) / panels) * (i % 2 ? 4 : 2);
    return sum / (3.0 * panels);
}

TEST(FundShare, GivesThePublishedCheckValues) {
    // E[1 / (1 + W)] = (1 - e^-lambda) / lambda: 0.432332 for lambda = 2.
    EXPECT_NEAR(FundShare(1, 2), 0.432332, 5e-7);
    // The binomial form with N = 1,000 and p = 0.003 gives 0.316545; its
    // Poisson limit, lambda = 3, is within a thousandth.
    EXPECT_NEAR(FundShare(1, 3), 0.316545, 1e-3);
    // Nobody else wins: the own winners split the fund.
    EXPECT_EQ(FundShare(1, 0), 1.0);
    EXPECT_EQ(FundShare(4, 0), 0.25);
}

TEST(FundShare, AgreesWithTheSlowIntegralAndTheSumOverOthers) {
    // Both sides of lambda = m - 1, where the recurrences change direction,
    // tiny and huge lambda, and many own winners.
    const std::uint64_t owns[] = {1, 2, 3, 5, 10, 33, 40, 200, 1000};
    const double lambdas[] = {1e-9, 1e-3, 0.5, 2, 4, 8.9, 9, 9.1, 31.5, 32, 39, 41, 150, 999, 1001, 5000, 2.9e6};
    for (const std::uint64_t m : owns)
        for (const double lambda : lambdas) {
            const long double slow = brute::SlowShare(static_cast<long double>(m), lambda);
            EXPECT_NEAR(FundShare(m, lambda) / slow, 1.0, 1e-11) << "m " << m << " lambda " << lambda;
        }
    for (const int m : {1, 2, 6, 20})
        for (const double lambda : {0.3, 5.0, 19.0, 40.0})
            EXPECT_NEAR(FundShare(m, lambda) / Quadrature(m, lambda), 1.0, 1e-9) << "m " << m << " lambda " << lambda;
}

}  // namespace
