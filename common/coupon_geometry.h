#pragma once

#include <optional>
#include <string>

#include "coupon_model.h"

// Pixel geometry of the coupon grid: origin at the picture's top-left corner.
inline constexpr int GridLeft = 15;
inline constexpr int GridTop = 25;
inline constexpr int CellSize = 15;
inline constexpr int ColumnPitch = 49;  // three cells and a gap of four

inline constexpr int ColumnLeft(int column) { return GridLeft + ColumnPitch * column; }

// The rectangle a drawn column gives cell (c, s, r); right and bottom exclusive.
CouponCell CellGeometry(int column, int sign, int row);

// The cell under a left-button press at (x, y), testing the closed ranges
// [left, left + 15] of columns 0..columns-1 in order, so a shared edge
// belongs to the earlier cell. No cell above the grid or below row 13.
std::optional<CellIndex> HitTestCell(int x, int y, int columns);

// "01" to "99": column and match numbers are always two digits.
std::string TwoDigits(int number);
