#include <gtest/gtest.h>

#include <functional>

#include "coupon_colors.h"
#include "coupon_drawing.h"
#include "coupon_geometry.h"
#include "picture_marking.h"
#include "program_folder.h"
#include "surface.h"

namespace {

constexpr int Columns = 16;
constexpr int Width = 810;
constexpr int Height = 280;
constexpr int SignatureX = 345;

// The keeper16 coupon on an off-screen picture, without a window: clicks go
// through the same marking routine as in the program, the copy onto the
// (absent) control draws nothing.
class CouponPicture : public testing::Test {
protected:
    void SetUp() override {
        app_.settings = {Columns, 830, Width, SignatureX};
        app_.pictureBitmap = NewOffscreenSurface(Width, Height);
        ResetCouponTables(app_.tables, Columns);
        ClearPicture(Bitmap());
        for (int c = 0; c < Columns; ++c) DrawColumn(app_.tables, c, Bitmap());
        DrawSignature(Bitmap(), SignatureX);
        SelectSurface(Bitmap(), false);
    }

    SurfaceRef Bitmap() const { return PictureBitmapSurface(app_); }
    Color At(int x, int y) {
        SelectSurface(Bitmap(), false);
        return SurfacePixel(x, y);
    }
    // Counts pixels in [x1, x2) × [y1, y2) that satisfy `is`.
    int Count(int x1, int y1, int x2, int y2, const std::function<bool(Color)>& is) {
        SelectSurface(Bitmap(), false);
        int count = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x) count += is(SurfacePixel(x, y)) ? 1 : 0;
        return count;
    }
    int Ink(int x1, int y1, int x2, int y2, Color background = White) {
        return Count(x1, y1, x2, y2, [&](Color c) { return c != background; });
    }
    void Click(int x, int y) { MarkCellAt(app_, x, y); }

    CouponApp app_;
};

}  // namespace

TEST(CouponCells, ZeroUntilTheirColumnIsDrawn) {
    CouponTables tables;
    ResetCouponTables(tables, Columns);
    const CouponCell& cell = tables.cellTable.at(15, 2, 13);
    EXPECT_EQ(cell.left, 0);
    EXPECT_EQ(cell.right, 0);
    EXPECT_EQ(cell.markFill, 0);
}

TEST_F(CouponPicture, LastCellHasItsRectangle) {
    const CouponCell& cell = app_.tables.cellTable.at(15, 2, 13);
    EXPECT_EQ(cell.left, 780);
    EXPECT_EQ(cell.top, 220);
    EXPECT_EQ(cell.right, 795);
    EXPECT_EQ(cell.bottom, 235);
}

TEST_F(CouponPicture, UnmarkedCellsHaveSalmonBordersAndWhiteInsides) {
    for (const CellIndex index : {CellIndex{0, 0, 0}, CellIndex{7, 1, 6}, CellIndex{15, 2, 13}}) {
        const CouponCell& cell = app_.tables.cellTable.at(index);
        EXPECT_EQ(At(cell.left, cell.top), Salmon);
        EXPECT_EQ(At(cell.right - 1, cell.bottom - 1), Salmon);
        EXPECT_EQ(At(cell.left, cell.bottom - 1), Salmon);
        EXPECT_EQ(At(cell.left + 1, cell.bottom - 2), White);
        EXPECT_EQ(At(cell.right - 2, cell.top + 1), White);
        // The letter is Salmon on white and stays inside the border.
        EXPECT_GT(Count(cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1,
                        [](Color c) { return c != White; }),
                  0);
        EXPECT_EQ(Count(cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1,
                        [](Color c) { return c == Black; }),
                  0);
    }
    // Nothing is drawn outside the grid's last cell.
    EXPECT_EQ(At(795, 230), White);
    EXPECT_EQ(At(794, 234), Salmon);
    EXPECT_EQ(At(794, 235), White);
}

TEST_F(CouponPicture, GapColumnsStayWhite) {
    for (int c = 0; c < Columns - 1; ++c) {
        const int gap = ColumnLeft(c) + 3 * CellSize;
        EXPECT_EQ(Ink(gap, GridTop, gap + 4, GridTop + RowCount * CellSize), 0) << "after column " << c;
    }
}

TEST_F(CouponPicture, HeadingsNumbersAndSignatureLandInTheirBoxes) {
    for (int c = 0; c < Columns; ++c) {
        const int x = ColumnLeft(c) + 14;
        EXPECT_GT(Ink(x, 3, x + 30, GridTop), 0) << "heading " << c + 1;
        EXPECT_EQ(Count(x, 3, x + 30, GridTop, [](Color p) { return p == Black; }), 0);
    }
    EXPECT_EQ(Ink(0, 0, Width, 3), 0) << "nothing above the headings";
    for (int r = 0; r < RowCount; ++r) {
        const int y = GridTop + CellSize * r;
        // Antialiased black ink: dark in every channel.
        EXPECT_GT(Count(2, y + 2, GridLeft, y + CellSize,
                        [](Color p) { return (p & 0x80) == 0 && (p & 0x8000) == 0 && (p & 0x800000) == 0; }),
                  0)
            << "match " << r + 1;
    }
    EXPECT_EQ(Ink(0, GridTop, 2, GridTop + RowCount * CellSize), 0);
    EXPECT_GT(Count(SignatureX, 242, SignatureX + 120, 280, [](Color p) { return p == Salmon; }), 0);
    EXPECT_EQ(Ink(0, 242, SignatureX, 280), 0);
}

TEST_F(CouponPicture, ClicksMarkAndUnmarkCells) {
    Click(30, 25);  // column 0, sign "1", match 1
    const CouponCell& cell = app_.tables.cellTable.at(0, 0, 0);
    EXPECT_EQ(app_.tables.markTable.at(0, 0, 0), 1);
    EXPECT_EQ(app_.tables.resultMarks.at(0, 0, 0), 1);
    EXPECT_EQ(At(cell.left, cell.top), Black);
    EXPECT_EQ(At(cell.right - 1, cell.bottom - 1), Black);
    EXPECT_EQ(At(cell.left + 1, cell.bottom - 2), SkyBlue);
    EXPECT_GT(Count(cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1,
                    [](Color c) { return c != SkyBlue; }),
              0)
        << "the letter";
    EXPECT_EQ(At(cell.right, cell.top + 5), Salmon) << "the neighbour keeps its look";

    Click(30, 25);
    EXPECT_EQ(app_.tables.markTable.at(0, 0, 0), 0);
    EXPECT_EQ(app_.tables.resultMarks.at(0, 0, 0), 0);
    EXPECT_EQ(At(cell.left, cell.top), Salmon);
    EXPECT_EQ(At(cell.left + 1, cell.bottom - 2), White);

    Click(62, 30);
    Click(20, 24);
    Click(20, 235);
    int marks = 0;
    for (int c = 0; c < Columns; ++c)
        for (int s = 0; s < SignCount; ++s)
            for (int r = 0; r < RowCount; ++r) marks += app_.tables.markTable.at(c, s, r);
    EXPECT_EQ(marks, 0);
}

TEST_F(CouponPicture, MarkedCouponIsWrittenForLookingAt) {
    for (const auto& [x, y] : {std::pair{20, 30}, {52, 60}, {36, 200}, {70, 30}, {785, 225}})
        Click(x, y);
    SelectSurface(Bitmap(), false);
    const std::string path = ProgramFolder() + "keeper16-coupon.bmp";
    ASSERT_TRUE(SaveSurfaceBitmap(path));
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(At(780, 220), Black);
    EXPECT_EQ(At(781, 221), SkyBlue);
}
