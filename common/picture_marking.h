#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "coupon_app.h"

// Toggles the mark of `cell` of the page on screen, in the bet too, and
// mirrors the first column of the first page into the result marks.
// Returns the new mark (1 marked, 0 not).
std::int32_t ToggleMark(CouponTables& tables, CellIndex cell);

// A press at (x, y) on the picture: toggles the cell under it, redraws it on
// pictureBitmap and copies that onto the control. nullopt when no cell.
std::optional<CellIndex> MarkCellAt(CouponApp& app, int x, int y);

// The replacement handler of the picture control.
std::int32_t PictureProc(CouponApp& app, Handle window, std::uint32_t message, std::uint32_t first,
                         std::uint32_t second);

// Tells the picture control its cells in the first `columns` columns, the
// ones a click marks, for the keyboard cursor and for screen readers; they
// are named by the bet's column numbers from `firstColumn` on ("Columna 17,
// partido 01, 1"), or by their match alone ("Partido 01, 1"), then with the
// match's teams when `matchTeams` has them ("Partido 07, Betis - Sevilla, X").
void DescribePictureCells(Handle control, int columns, int firstColumn = 0,
                          bool nameColumns = true, std::span<const std::string> matchTeams = {});
// Wraps a picture handler so the keyboard reaches those cells: the arrows
// move a cursor over them, and Space or Enter hands `pictureProc` the press a
// click at the centre of the cursor's cell would, so a key marks exactly as
// that click does. The cursor starts on column "01", match 1, sign "1".
MessageHandler WithCellKeyboard(Handle control, int columns, MessageHandler pictureProc);

// x in the low and y in the high 16 bits, both unsigned.
inline int PressX(std::uint32_t second) { return static_cast<int>(second & 0xFFFFu); }
inline int PressY(std::uint32_t second) { return static_cast<int>((second >> 16) & 0xFFFFu); }
inline std::uint32_t PressAt(int x, int y) {
    return (static_cast<std::uint32_t>(x) & 0xFFFFu) | ((static_cast<std::uint32_t>(y) & 0xFFFFu) << 16);
}
