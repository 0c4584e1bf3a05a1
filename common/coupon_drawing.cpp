#include "coupon_drawing.h"

#include <string>

#include "coupon_colors.h"
#include "coupon_geometry.h"
#include "font_style.h"
#include "window_services.h"

namespace {

constexpr const char* CouponFace = "Arial";
constexpr int ColumnNumberPoints = 12;
constexpr int SmallColumnNumberPoints = 9;
constexpr int SignPoints = 7;
constexpr int SignaturePoints = 20;
constexpr int ColumnNumberY = 3;
constexpr int MatchNumberOffset = 13;  // left of the sign-0 cell
constexpr int LetterOffsetX = 4;
constexpr int LetterOffsetY = 2;
constexpr int SignatureY = 242;
constexpr const char* Signature = "Velmar";

void PrintAt(int x, int y, const char* text, Color ink, Color background, int points) {
    SetSurfaceColors(ink, background);
    SetSurfaceFont(NewFont(CouponFace, static_cast<float>(points), FontStyle::Bold));
    SetTextPosition(static_cast<float>(x), static_cast<float>(y));
    PrintText(text);
}

// A column number over its column: two digits as they always were, longer
// ones moved left, and from five digits on smaller, so that "100000" still
// stays over its own cells.
struct NumberPlace {
    int dx;
    int dy;
    int points;
};

NumberPlace PlaceOfNumber(std::size_t digits) {
    if (digits <= 2) return {14, 0, ColumnNumberPoints};
    if (digits == 3) return {10, 0, ColumnNumberPoints};
    if (digits == 4) return {5, 0, ColumnNumberPoints};
    return {digits == 5 ? 6 : 3, 3, SmallColumnNumberPoints};
}

void Box(const CouponCell& cell, Color border, Color fill) {
    DrawBox(static_cast<float>(cell.left), static_cast<float>(cell.top),
            static_cast<float>(cell.right), static_cast<float>(cell.bottom), 0, border, fill);
}

void Letter(const CouponCell& cell, Color ink, Color background, int points) {
    PrintAt(cell.left + LetterOffsetX, cell.top + LetterOffsetY, cell.signText.data(), ink,
            background, points);
}

}  // namespace

void DrawColumn(CouponTables& tables, int column, SurfaceRef target) {
    // The pending message goes first: a click handled here selects another
    // surface, and the column must still land on its own target.
    ProcessPendingMessage(1);
    SelectSurface(target, false);

    // The bet's own column number, whatever page is shown.
    const int x0 = ColumnLeft(column);
    const std::string number = TwoDigits(tables.firstColumn + column + 1);
    const NumberPlace place = PlaceOfNumber(number.size());
    PrintAt(x0 + place.dx, ColumnNumberY + place.dy, number.c_str(), Salmon, White, place.points);

    for (int r = 0; r < RowCount; ++r) {
        for (int s = 0; s < SignCount; ++s) {
            CouponCell& cell = tables.cellTable.at(column, s, r);
            cell = CellGeometry(column, s, r);
            Box(cell, Black, White);
            Letter(cell, Salmon, White, SignPoints);
            if (column == 0 && s == 0) {
                PrintAt(cell.left - MatchNumberOffset, cell.top + LetterOffsetY,
                        TwoDigits(r + 1).c_str(), Black, White, SignPoints);
            }
            Box(cell, Salmon, TransparentColor);
        }
    }
}

void DrawColumn(CouponTables& tables, int column) {
    DrawColumn(tables, column, SelectedSurface());
}

void DrawSignature(SurfaceRef target, int signatureX) {
    SelectSurface(target, false);
    PrintAt(signatureX, SignatureY, Signature, Salmon, White, SignaturePoints);
}

void ClearPicture(SurfaceRef target) {
    SelectSurface(target, false);
    ClearSurface(White);
}

void DrawUnmarkedCell(const CouponCell& cell) {
    Box(cell, Black, White);
    Letter(cell, Salmon, White, SignPoints);
    Box(cell, Salmon, TransparentColor);
}

void DrawMarkedCell(const CouponCell& cell) {
    Box(cell, cell.markInk, cell.markFill);
    Letter(cell, cell.markInk, cell.markFill, cell.markFontSize);
}

void DrawClearedCell(const CouponCell& cell) {
    Box(cell, Salmon, White);
    Letter(cell, Salmon, White, cell.markFontSize);
}
