#include <gtest/gtest.h>

#include <set>

#include "brute_force.h"
#include "system_builder.h"
#include "system_text.h"

namespace {

// 7 triples al 13 goes the long way: covers of 6 triples are searched,
// extended by the seventh match and trimmed again, in 24 attempts on two
// threads. A small effort takes that whole road in well under a second;
// every outcome is then checked against every column by plain counting.
TEST(CoverTrimming, TheChainOfFewerMatchesEndsInAVerifiedSystem) {
    SystemRequest request;
    request.forecast = Shape(7, 0);
    request.guarantee = 13;
    request.effort = 2'000'000;
    const SystemResult result = BuildSystem(request);
    ASSERT_EQ(result.failure, SystemFailure::None) << SystemFailureText(result);

    const std::vector<SimpleColumn> all = Development(request.forecast);
    const auto best = BestHits(all, result.columns);
    EXPECT_EQ(best[12] + best[11] + best[10], 0u);
    EXPECT_EQ(best[13] + best[14], all.size());
    EXPECT_EQ(std::set<SimpleColumn>(result.columns.begin(), result.columns.end()).size(), result.columns.size());
    // The sphere bound (2187 / 15) and the construction it starts below (3 * 81 = 243).
    EXPECT_GE(result.columns.size(), 146u);
    EXPECT_LT(result.columns.size(), 243u);
    EXPECT_EQ(result.lowerBound, 146u);

    // The same seed and effort give the same system, whichever thread ran what.
    EXPECT_EQ(BuildSystem(request).columns, result.columns);
}

}  // namespace
