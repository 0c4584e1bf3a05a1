#include "picture_marking.h"

#include "coupon_drawing.h"
#include "coupon_geometry.h"
#include "picture_notes.h"

std::int32_t ToggleMark(CouponTables& tables, CellIndex cell) {
    const std::int32_t mark = tables.markTable.at(cell) == 0 ? 1 : 0;
    tables.markTable.at(cell) = mark;
    if (cell.column == 0) tables.resultMarks.at(0, cell.sign, cell.row) = mark;
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
