#include "condition_mask.h"

#include <gtest/gtest.h>

#include <string>

#include "brute_force.h"

namespace {

// Columns counted by hand, with what each condition reads on them.
struct Counted {
    const char* signs;
    int unos, equis, doses, variantes, interrupciones, longest;
};

constexpr Counted Columns[] = {
    {"11111111111111", 14, 0, 0, 0, 0, 14},
    {"1X21X21X21X21X", 5, 5, 4, 9, 13, 1},
    {"111XX2222X1111", 7, 3, 4, 7, 4, 4},
    {"2222222XXXXXXX", 0, 7, 7, 14, 1, 7},
};

MatchSigns SingleOutcome(const char* signs) {
    MatchSigns forecast{};
    for (int m = 0; m < RowCount; ++m) forecast[m] = signs[m] == '1' ? 1 : signs[m] == 'X' ? 2 : 4;
    return forecast;
}

SimpleColumn ColumnOf(const char* signs) {
    SimpleColumn column{};
    for (int m = 0; m < RowCount; ++m) column[m] = static_cast<std::uint8_t>(signs[m] == '1' ? 0 : signs[m] == 'X' ? 1 : 2);
    return column;
}

// Ranges that just hold the count, and ranges that just miss it on either side.
std::vector<std::pair<CountRange, bool>> EdgesOf(int count, int top) {
    std::vector<std::pair<CountRange, bool>> edges{{{count, count}, true}, {{0, top}, true}};
    if (count > 0) edges.push_back({{0, count - 1}, false});
    if (count < top) edges.push_back({{count + 1, top}, false});
    return edges;
}

TEST(Conditions, EachKindAtTheEdgesOfHandCountedColumns) {
    for (const Counted& c : Columns) {
        // The mask of a forecast with one outcome, and the plain reading.
        const auto meets = [&](const ColumnConditions& conditions) {
            const std::vector<std::uint8_t> mask = ConditionMask(OutcomeSpace(SingleOutcome(c.signs)), conditions);
            EXPECT_EQ(mask.size(), 1u);
            EXPECT_EQ(mask[0] == 1, MeetsConditions(conditions, ColumnOf(c.signs))) << c.signs;
            return mask[0] == 1;
        };
        CountRange ColumnConditions::*const ranges[] = {&ColumnConditions::unos, &ColumnConditions::equis,
                                                         &ColumnConditions::doses, &ColumnConditions::variantes,
                                                         &ColumnConditions::interrupciones};
        const int counts[] = {c.unos, c.equis, c.doses, c.variantes, c.interrupciones};
        for (int kind = 0; kind < 5; ++kind) {
            const int top = kind == 4 ? RowCount - 1 : RowCount;
            for (const auto& [range, expected] : EdgesOf(counts[kind], top)) {
                ColumnConditions conditions;
                conditions.*ranges[kind] = range;
                EXPECT_EQ(meets(conditions), expected)
                    << c.signs << " kind " << kind << " range " << range.low << "-" << range.high;
            }
        }
        ColumnConditions runs;
        runs.seguidosHasta = c.longest;
        EXPECT_TRUE(meets(runs)) << c.signs;
        runs.seguidosHasta = c.longest - 1;
        EXPECT_FALSE(meets(runs)) << c.signs;
    }
}

}  // namespace
