#include <gtest/gtest.h>

#include "cell_cursor.h"

namespace {

// Steps until the cursor stops; returns how many moves it made.
int StepsUntilStopped(CellCursor& cursor, bool (CellCursor::*step)()) {
    int moves = 0;
    while ((cursor.*step)()) ++moves;
    return moves;
}

}  // namespace

TEST(CellCursor, StartsOnTheFirstSignOfTheFirstMatch) {
    const CellCursor cursor(16);
    EXPECT_EQ(cursor.cell(), (CellIndex{0, 0, 0}));
    EXPECT_EQ(cursor.listIndex(), 0);
}

TEST(CellCursor, LeftAndRightRunThroughSignsAndColumns) {
    CellCursor cursor(2);
    EXPECT_TRUE(cursor.right());
    EXPECT_TRUE(cursor.right());
    EXPECT_EQ(cursor.cell(), (CellIndex{0, 2, 0}));
    EXPECT_TRUE(cursor.right());  // sign "2" of column 01 to sign "1" of column 02
    EXPECT_EQ(cursor.cell(), (CellIndex{1, 0, 0}));
    EXPECT_TRUE(cursor.left());
    EXPECT_EQ(cursor.cell(), (CellIndex{0, 2, 0}));
    EXPECT_EQ(StepsUntilStopped(cursor, &CellCursor::right), 3);
    EXPECT_EQ(cursor.cell(), (CellIndex{1, 2, 0}));  // the last input column holds
    EXPECT_EQ(StepsUntilStopped(cursor, &CellCursor::left), 5);
    EXPECT_EQ(cursor.cell(), (CellIndex{0, 0, 0}));
}

TEST(CellCursor, UpAndDownChangeOnlyTheMatch) {
    CellCursor cursor(8);
    cursor.right();
    EXPECT_FALSE(cursor.up());
    EXPECT_EQ(StepsUntilStopped(cursor, &CellCursor::down), 13);
    EXPECT_EQ(cursor.cell(), (CellIndex{0, 1, 13}));
    EXPECT_EQ(StepsUntilStopped(cursor, &CellCursor::up), 13);
    EXPECT_EQ(cursor.cell(), (CellIndex{0, 1, 0}));
}

TEST(CellCursor, ListIndexCountsMatchByMatch) {
    // The picture's cells are listed one match after another, 3 x columns each.
    CellCursor cursor(16);
    for (int k = 0; k < 6; ++k) cursor.right();
    for (int k = 0; k < 6; ++k) cursor.down();
    EXPECT_EQ(cursor.cell(), (CellIndex{2, 0, 6}));
    EXPECT_EQ(cursor.listIndex(), 6 * 48 + 6);
    EXPECT_EQ(StepsUntilStopped(cursor, &CellCursor::right) + StepsUntilStopped(cursor, &CellCursor::down), 41 + 7);
    EXPECT_EQ(cursor.listIndex(), 14 * 48 - 1);
}
