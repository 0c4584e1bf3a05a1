#include "picture_marking.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bet_pages.h"
#include "cell_cursor.h"
#include "coupon_drawing.h"
#include "coupon_geometry.h"
#include "picture_notes.h"

namespace {

// "Columna 17, partido 01, 1", or "Partido 01, 1" without a column;
// "Partido 01, Betis - Sevilla, 1" with the teams.
std::string CellName(int column, int match, const std::string& teams, const char* sign) {
    const std::string rest = "artido " + TwoDigits(match) + ", " + (teams.empty() ? "" : teams + ", ") + sign;
    return column > 0 ? "Columna " + TwoDigits(column) + ", p" + rest : "P" + rest;
}

}  // namespace

std::int32_t ToggleMark(CouponTables& tables, CellIndex cell) {
    const std::int32_t mark = tables.markTable.at(cell) == 0 ? 1 : 0;
    tables.markTable.at(cell) = mark;
    SetBetMark(tables, cell, mark == 1);
    // The week's result is column "01" only, never the first of a later page.
    if (cell.column == 0 && tables.firstColumn == 0) tables.resultMarks.at(0, cell.sign, cell.row) = mark;
    return mark;
}

std::optional<CellIndex> MarkCellAt(CouponApp& app, int x, int y) {
    const auto cell = HitTestCell(x, y, app.settings.columnCount);
    if (!cell) return std::nullopt;

    SelectSurface(PictureBitmapSurface(app), false);
    const CouponCell& record = app.tables.cellTable.at(*cell);
    if (ToggleMark(app.tables, *cell) == 1)
        DrawMarkedCell(record);
    else
        DrawUnmarkedCell(record);

    SelectSurface(PictureControlSurface(app), false);
    CopySurface(app.pictureBitmap);
    EndPictureNotes(app);  // the copy replaced the display they spoke of
    return cell;
}

std::int32_t PictureProc(CouponApp& app, Handle window, std::uint32_t message, std::uint32_t first,
                         std::uint32_t second) {
    // A click while a command redraws or asks would toggle a cell the
    // command is about to draw or store differently.
    if (message == Message::LeftButtonDown && !app.commandRunning)
        MarkCellAt(app, PressX(second), PressY(second));
    return CallPreviousHandler(app.originalPictureProc, window, message, first, second);
}

void DescribePictureCells(Handle control, int columns, int firstColumn, bool nameColumns,
                          std::span<const std::string> matchTeams) {
    std::vector<PictureCell> cells;
    cells.reserve(static_cast<std::size_t>(RowCount * columns * SignCount));
    const std::string none;
    for (int r = 0; r < RowCount; ++r) {
        const std::string& teams = static_cast<std::size_t>(r) < matchTeams.size() ? matchTeams[r] : none;
        for (int c = 0; c < columns; ++c) {
            for (int s = 0; s < SignCount; ++s) {
                const CouponCell geometry = CellGeometry(c, s, r);
                // The bottom-left of the inside shows the cell's fill, clear
                // of its border and of its letter.
                cells.push_back({geometry.left, geometry.top, geometry.right, geometry.bottom,
                                 geometry.left + 1, geometry.bottom - 2,
                                 CellName(nameColumns ? firstColumn + c + 1 : 0, r + 1, teams,
                                          geometry.signText.data())});
            }
        }
    }
    SetPictureCells(control, std::move(cells), columns * SignCount, CellGeometry(0, 0, 0).markFill);
}

MessageHandler WithCellKeyboard(Handle control, int columns, MessageHandler pictureProc) {
    auto cursor = std::make_shared<CellCursor>(columns);
    SetPictureCursor(control, cursor->listIndex());
    return [cursor, pictureProc = std::move(pictureProc)](
               Handle self, std::uint32_t message, std::uint32_t first,
               std::uint32_t second) -> std::int32_t {
        if (message != Message::KeyDown) return pictureProc(self, message, first, second);
        switch (first) {
            case VirtualKey::Left: cursor->left(); break;
            case VirtualKey::Right: cursor->right(); break;
            case VirtualKey::Up: cursor->up(); break;
            case VirtualKey::Down: cursor->down(); break;
            case VirtualKey::Space:
            case VirtualKey::Return: {
                const CellIndex at = cursor->cell();
                const CouponCell cell = CellGeometry(at.column, at.sign, at.row);
                return pictureProc(self, Message::LeftButtonDown, LeftButtonFlag,
                                   PressAt((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
            }
            default: return pictureProc(self, message, first, second);
        }
        SetPictureCursor(self, cursor->listIndex());
        return 0;
    };
}
