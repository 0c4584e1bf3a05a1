#include <gtest/gtest.h>

#include "reduction_table.h"

namespace {

constexpr int S1 = 0, SX = 1, S2 = 2;

class Reduction : public testing::Test {
protected:
    void SetUp() override {
        FillReductionTable(table_);
        ResetCouponTables(tables_, 8);
    }
    void Mark(int column, int sign, int match) { tables_.markTable.at(column, sign, match - 1) = 1; }
    ReducedSystem Resolve() const { return ResolveReducedSystem(tables_.markTable, table_); }
    std::array<int, 8> Match(int match) const {
        const ReducedSystem system = Resolve();
        std::array<int, 8> signs{};
        for (int c = 0; c < 8; ++c) signs[c] = system[c][match - 1];
        return signs;
    }

    ReductionTable table_;
    CouponTables tables_;
};

using Signs = std::array<int, 8>;

}  // namespace

TEST(ThirdSign, HighestSignNeitherFirstNorSecond) {
    SignChoice choice;
    choice.sign[0] = {0, S1, SX, 0};
    choice.sign[1] = {0, S1, S1, 0};
    choice.sign[2] = {0, S2, S2, 0};
    choice.sign[3] = {0, SX, S2, 0};
    choice.sign[4] = {0, S2, S1, 0};
    EXPECT_EQ(ThirdSign(choice, 0), S2);
    EXPECT_EQ(ThirdSign(choice, 1), S2);
    EXPECT_EQ(ThirdSign(choice, 2), SX);
    EXPECT_EQ(ThirdSign(choice, 3), S1);
    EXPECT_EQ(ThirdSign(choice, 4), SX);
}

TEST(ReductionTableValues, RolesOfTheMatches) {
    ReductionTable table;
    FillReductionTable(table);
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(table.entry[c][0], 1);   // match 1 fixed
        EXPECT_EQ(table.entry[c][13], 1);  // match 14 fixed
        EXPECT_EQ(table.entry[c][14], 0);  // spare row
    }
    EXPECT_EQ(table.entry[8][5], 0);  // spare column
    const std::array<int, 8> triple{1, 1, 2, 2, 3, 3, 1, 1};
    const std::array<int, 8> match6{1, 2, 2, 1, 2, 1, 2, 1};
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(table.entry[c][1], triple[c]);
        EXPECT_EQ(table.entry[c][7], triple[c]);
        EXPECT_EQ(table.entry[c][9], triple[c]);
        EXPECT_EQ(table.entry[c][5], match6[c]);
    }
}

TEST_F(Reduction, NoMarksGivesEightColumnsOfOnes) {
    for (const auto& column : Resolve())
        for (int sign : column) EXPECT_EQ(sign, S1);
}

TEST_F(Reduction, FirstColumnOnlyRepeatsIt) {
    Mark(0, SX, 2);
    Mark(0, S2, 6);
    Mark(0, S2, 14);
    for (const auto& column : Resolve()) {
        EXPECT_EQ(column[1], SX);
        EXPECT_EQ(column[5], S2);
        EXPECT_EQ(column[13], S2);
        EXPECT_EQ(column[0], S1);
    }
}

TEST_F(Reduction, SecondSignsOnFixedMatchesChangeNothing) {
    for (int match : {1, 9, 11, 14}) {
        Mark(0, SX, match);
        Mark(1, S2, match);
        EXPECT_EQ(Match(match), (Signs{SX, SX, SX, SX, SX, SX, SX, SX})) << match;
    }
}

TEST_F(Reduction, DoublesAndTriplesWithoutSecondSignTakeTheFirst) {
    Mark(0, S2, 2);
    Mark(0, SX, 3);
    EXPECT_EQ(Match(2), (Signs{S2, S2, S2, S2, S2, S2, S2, S2}));
    EXPECT_EQ(Match(3), (Signs{SX, SX, SX, SX, SX, SX, SX, SX}));
}

TEST_F(Reduction, VariableTripleAndDouble) {
    Mark(0, S1, 2);
    Mark(1, SX, 2);
    EXPECT_EQ(Match(2), (Signs{S1, S1, SX, SX, S2, S2, S1, S1}));
    // A variable match with an empty first column starts from "1".
    Mark(1, SX, 6);
    EXPECT_EQ(Match(6), (Signs{S1, SX, SX, S1, SX, S1, SX, S1}));
}

TEST_F(Reduction, EqualFirstAndSecondSigns) {
    Mark(0, S1, 8);
    Mark(1, S1, 8);
    EXPECT_EQ(Match(8), (Signs{S1, S1, S1, S1, S2, S2, S1, S1}));
    Mark(0, S2, 10);
    Mark(1, S2, 10);
    EXPECT_EQ(Match(10), (Signs{S2, S2, S2, S2, SX, SX, S2, S2}));
}

TEST_F(Reduction, HighestMarkedSignWinsAndLaterColumnsAreIgnored) {
    Mark(0, S1, 4);
    Mark(0, S2, 4);
    Mark(1, S1, 4);
    Mark(1, SX, 4);
    EXPECT_EQ(Match(4), (Signs{S2, SX, SX, S2, S2, SX, S2, SX}));
    Mark(2, S2, 5);
    Mark(7, SX, 5);
    Mark(8, SX, 5);
    EXPECT_EQ(Match(5), (Signs{S1, S1, S1, S1, S1, S1, S1, S1}));
}
