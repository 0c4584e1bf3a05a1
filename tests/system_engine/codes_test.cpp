#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

#include "construction_table.h"
#include "perfect_codes.h"

namespace {

// Every word over the shape (t ternary digits then b binary ones, as a
// mixed-radix number) with how many code words lie within `radius` of it:
// each code word marks its ball.
std::vector<int> CoverCounts(const std::vector<CodeWord>& code, int t, int b, int radius) {
    const int n = t + b;
    std::size_t total = 1;
    for (int d = 0; d < n; ++d) total *= d < t ? 3 : 2;
    std::vector<int> counts(total, 0);
    const auto number = [&](const CodeWord& word) {
        std::size_t value = 0;
        for (int d = 0; d < n; ++d) value = value * (d < t ? 3 : 2) + word[d];
        return value;
    };
    for (CodeWord word : code) {
        // Change up to `radius` digits, each at a later position than the last.
        const auto mark = [&](auto&& self, int from, int left) -> void {
            ++counts[number(word)];
            if (left == 0) return;
            for (int d = from; d < n; ++d) {
                const std::uint8_t own = word[d];
                for (std::uint8_t other = 0; other < (d < t ? 3 : 2); ++other) {
                    if (other == own) continue;
                    word[d] = other;
                    self(self, d + 1, left - 1);
                }
                word[d] = own;
            }
        };
        mark(mark, 0, radius);
    }
    return counts;
}

void ExpectPerfect(const std::vector<CodeWord>& code, int t, int b, int radius, std::size_t size) {
    ASSERT_EQ(code.size(), size);
    EXPECT_EQ(std::set<CodeWord>(code.begin(), code.end()).size(), size);
    const std::vector<int> counts = CoverCounts(code, t, b, radius);
    EXPECT_TRUE(std::all_of(counts.begin(), counts.end(), [](int c) { return c == 1; }));
}

TEST(PerfectCodes, EveryOutcomeLiesWithinTheRadiusOfExactlyOneWord) {
    ExpectPerfect(TernaryHamming(2), 4, 0, 1, 9);
    ExpectPerfect(TernaryGolay(), 11, 0, 2, 729);
    ExpectPerfect(BinaryHamming7(), 0, 7, 1, 16);
    ExpectPerfect(TernaryHamming(3), 13, 0, 1, 59049);
}

TEST(ConstructionTable, EverySmallShapeIsCoveredAtItsRadiusWithTheSizeItStates) {
    const ConstructionTable table;
    for (int n = 1; n <= 6; ++n)
        for (int t = 0; t <= n; ++t)
            for (int r = 1; r <= ConstructionTable::MaxRadius; ++r) {
                const std::vector<CodeWord> code = table.build(t, n - t, r);
                ASSERT_EQ(code.size(), table.size(t, n - t, r)) << t << "+" << n - t << " R" << r;
                const std::vector<int> counts = CoverCounts(code, t, n - t, r);
                EXPECT_EQ(std::count(counts.begin(), counts.end(), 0), 0) << t << "+" << n - t << " R" << r;
            }
}

TEST(ConstructionTable, KnowsTheDirectSumsAndTellsTheSizesItWouldRefuse) {
    const ConstructionTable table;
    EXPECT_EQ(table.size(8, 0, 2), 81u);     // 9 x 9: radii 1 + 1
    EXPECT_EQ(table.size(4, 4, 1), 144u);    // 9 x 2^4
    EXPECT_EQ(table.size(0, 10, 1), 128u);   // 16 x 2^3
    EXPECT_EQ(table.size(13, 0, 1), 59049u);
    EXPECT_EQ(table.size(14, 0, 1), 177147u);
    EXPECT_EQ(table.size(11, 0, 2), 729u);
    // A triple code read on doubles still covers them.
    const std::vector<int> counts = CoverCounts(table.build(2, 5, 2), 2, 5, 2);
    EXPECT_EQ(std::count(counts.begin(), counts.end(), 0), 0);
}

}  // namespace
