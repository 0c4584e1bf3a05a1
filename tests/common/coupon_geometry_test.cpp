#include <gtest/gtest.h>

#include "bet_pages.h"
#include "coupon_geometry.h"
#include "coupon_model.h"
#include "picture_marking.h"

namespace {

constexpr int Keeper16Columns = 16;
constexpr int Keeper8Columns = 8;

std::optional<CellIndex> Hit(int x, int y, int columns = Keeper16Columns) {
    return HitTestCell(x, y, columns);
}

}  // namespace

TEST(HitTest, SharedEdgeBelongsToTheEarlierCell) {
    EXPECT_EQ(Hit(30, 25), (CellIndex{0, 0, 0}));
    EXPECT_EQ(Hit(31, 25), (CellIndex{0, 1, 0}));
    EXPECT_EQ(Hit(15, 25), (CellIndex{0, 0, 0}));
    // x = 60 is the first pixel of the gap, still inside [45, 60].
    EXPECT_EQ(Hit(60, 25), (CellIndex{0, 2, 0}));
    EXPECT_EQ(Hit(64, 25), (CellIndex{1, 0, 0}));
}

TEST(HitTest, GapsAndOutsideTheGridHitNothing) {
    for (int x : {61, 62, 63, 110, 111, 112, 14, 0, 796, 809}) EXPECT_FALSE(Hit(x, 30)) << x;
    EXPECT_FALSE(Hit(20, 24));
    EXPECT_FALSE(Hit(20, 235));
    EXPECT_FALSE(Hit(20, 65535));
}

TEST(HitTest, RowsFollowTheirFirstPixelRow) {
    EXPECT_EQ(Hit(20, 39)->row, 0);
    EXPECT_EQ(Hit(20, 40)->row, 1);
    EXPECT_EQ(Hit(20, 234)->row, 13);
}

TEST(HitTest, LastRangesOfEachBuild) {
    EXPECT_EQ(Hit(795, 100), (CellIndex{15, 2, 5}));
    EXPECT_EQ(Hit(780, 100), (CellIndex{15, 1, 5}));
    EXPECT_EQ(Hit(403, 25, Keeper8Columns), (CellIndex{7, 2, 0}));
    for (int x = 404; x < 410; ++x) EXPECT_FALSE(Hit(x, 25, Keeper8Columns)) << x;
    EXPECT_FALSE(Hit(110, 25, 2));
    EXPECT_EQ(Hit(109, 25, 2), (CellIndex{1, 2, 0}));
}

TEST(CouponGeometry, CellRectanglesAndMarkedStyle) {
    const CouponCell cell = CellGeometry(15, 2, 13);
    EXPECT_EQ(cell.left, 780);
    EXPECT_EQ(cell.top, 220);
    EXPECT_EQ(cell.right, 795);
    EXPECT_EQ(cell.bottom, 235);
    EXPECT_EQ(cell.markFill, 0x00FACE87);
    EXPECT_EQ(cell.markInk, 0);
    EXPECT_EQ(cell.markFontSize, 7);
    EXPECT_STREQ(cell.signText.data(), "2");
    EXPECT_STREQ(CellGeometry(0, 1, 0).signText.data(), "X");
}

TEST(CouponGeometry, TwoDigitNumbers) {
    EXPECT_EQ(TwoDigits(1), "01");
    EXPECT_EQ(TwoDigits(9), "09");
    EXPECT_EQ(TwoDigits(10), "10");
    EXPECT_EQ(TwoDigits(16), "16");
}

TEST(CouponTables, SpareSlotsAndColumnFastestOrder) {
    CouponTables tables;
    ResetCouponTables(tables, 8);
    EXPECT_EQ(tables.markTable.size(), 9u * 4u * 15u);
    EXPECT_TRUE(tables.markTable.contains(8, 3, 14));
    EXPECT_FALSE(tables.markTable.contains(9, 0, 0));
    EXPECT_FALSE(tables.markTable.contains(0, 4, 0));
    EXPECT_FALSE(tables.markTable.contains(0, 0, 15));
    EXPECT_FALSE(tables.markTable.contains(-1, 0, 0));
    EXPECT_EQ(&tables.markTable.at(1, 0, 0) - &tables.markTable.at(0, 0, 0), 1);
    EXPECT_EQ(&tables.markTable.at(0, 1, 0) - &tables.markTable.at(0, 0, 0), 9);
    EXPECT_EQ(&tables.markTable.at(0, 0, 1) - &tables.markTable.at(0, 0, 0), 36);
    EXPECT_TRUE(tables.resultMarks.contains(1, 3, 14));
    EXPECT_FALSE(tables.resultMarks.contains(2, 0, 0));
}

TEST(CouponTables, ToggleMirrorsOnlyTheFirstColumn) {
    CouponTables tables;
    ResetCouponTables(tables, 16);
    EXPECT_EQ(ToggleMark(tables, {0, 1, 4}), 1);
    EXPECT_EQ(tables.markTable.at(0, 1, 4), 1);
    EXPECT_EQ(tables.resultMarks.at(0, 1, 4), 1);

    const auto resultBefore = tables.resultMarks;
    EXPECT_EQ(ToggleMark(tables, {3, 1, 4}), 1);
    EXPECT_EQ(ToggleMark(tables, {1, 0, 0}), 1);
    for (int c = 0; c <= 1; ++c)
        for (int s = 0; s <= 3; ++s)
            for (int r = 0; r <= 14; ++r)
                EXPECT_EQ(tables.resultMarks.at(c, s, r), resultBefore.at(c, s, r));

    EXPECT_EQ(ToggleMark(tables, {0, 1, 4}), 0);
    EXPECT_EQ(tables.markTable.at(0, 1, 4), 0);
    EXPECT_EQ(tables.resultMarks.at(0, 1, 4), 0);
    EXPECT_EQ(tables.markTable.at(3, 1, 4), 1);

    // Loading a stored bet replaces the marks, not the result.
    ToggleMark(tables, {0, 2, 2});
    std::vector<MatchSigns> stored(1);
    stored[0][5] = 2;  // "X" on match 6 of column 1
    TakeBet(tables, stored, 0);
    EXPECT_EQ(tables.markTable.at(0, 2, 2), 0);
    EXPECT_EQ(tables.markTable.at(3, 1, 4), 0);
    EXPECT_EQ(tables.markTable.at(0, 1, 5), 1);
    EXPECT_EQ(tables.resultMarks.at(0, 2, 2), 1) << "loading a bet keeps the result";
    EXPECT_EQ(tables.resultMarks.at(0, 1, 5), 0);
}

TEST(PressPosition, UnsignedHalvesOfTheSecondParameter) {
    const std::uint32_t second = 30u | (25u << 16);
    EXPECT_EQ(PressX(second), 30);
    EXPECT_EQ(PressY(second), 25);
    EXPECT_EQ(PressX(0xFFFF0000u), 0);
    EXPECT_EQ(PressY(0xFFFF0000u), 65535);
}
