#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

#include "construction_table.h"
#include "perfect_codes.h"

namespace {

int Distance(const CodeWord& a, const CodeWord& b) {
    int d = 0;
    for (std::size_t i = 0; i < a.size(); ++i) d += a[i] != b[i];
    return d;
}

// All words over the shape (t ternary digits then b binary ones), counted
// by how many code words lie within `radius` of each.
std::vector<int> CoverCounts(const std::vector<CodeWord>& code, int t, int b, int radius) {
    std::vector<int> counts;
    CodeWord word(static_cast<std::size_t>(t + b), 0);
    for (;;) {
        int count = 0;
        for (const CodeWord& c : code) count += Distance(word, c) <= radius;
        counts.push_back(count);
        int d = t + b - 1;
        while (d >= 0 && ++word[d] == (d < t ? 3 : 2)) word[d--] = 0;
        if (d < 0) return counts;
    }
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
}

TEST(PerfectCodes, TheLongTernaryHammingCodeIsLinearWithDistanceThree) {
    // 3^13 outcomes are too many to walk word by word here: a linear code of
    // 3^10 words with minimum distance 3 is perfect by counting.
    const std::vector<CodeWord> code = TernaryHamming(3);
    ASSERT_EQ(code.size(), 59049u);
    const std::set<CodeWord> words(code.begin(), code.end());
    EXPECT_EQ(words.size(), code.size());
    for (std::size_t i = 1; i < code.size(); i += 997) {
        EXPECT_GE(Distance(code[i], code[0]), 3);
        CodeWord sum(13);
        for (int d = 0; d < 13; ++d) sum[d] = static_cast<std::uint8_t>((code[i][d] + code[i / 2][d]) % 3);
        EXPECT_TRUE(words.count(sum)) << i;
    }
    EXPECT_EQ(code.size() * (1 + 13 * 2), 1594323u);  // 3^13: the balls fill the space
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
