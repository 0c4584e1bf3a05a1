#include "coupon_geometry.h"

#include "coupon_colors.h"

static constexpr int MarkFontSize = 7;
static constexpr const char* SignTexts[SignCount] = {"1", "X", "2"};

CouponCell CellGeometry(int column, int sign, int row) {
    CouponCell cell;
    cell.left = ColumnLeft(column) + CellSize * sign;
    cell.top = GridTop + CellSize * row;
    cell.right = cell.left + CellSize;
    cell.bottom = cell.top + CellSize;
    cell.markInk = Black;
    cell.markFill = SkyBlue;
    cell.markFontSize = MarkFontSize;
    cell.signText = {SignTexts[sign][0], '\0', '\0'};
    return cell;
}

std::optional<CellIndex> HitTestCell(int x, int y, int columns) {
    if (y < GridTop) return std::nullopt;
    const int row = (y - GridTop) / CellSize;
    if (row > RowCount - 1) return std::nullopt;
    for (int c = 0; c < columns; ++c) {
        for (int s = 0; s < SignCount; ++s) {
            const int left = ColumnLeft(c) + CellSize * s;
            if (x >= left && x <= left + CellSize) return CellIndex{c, s, row};
        }
    }
    return std::nullopt;
}

std::string TwoDigits(int number) {
    std::string text = std::to_string(number);
    return number >= 0 && number < 10 ? "0" + text : text;
}
