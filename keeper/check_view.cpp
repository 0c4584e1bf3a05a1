#include "check_view.h"

#include "bet_marks.h"
#include "coupon_drawing.h"
#include "coupon_geometry.h"
#include "picture_notes.h"
#include "scrutiny.h"

bool IsHit(const CouponTables& tables, CellIndex cell) {
    return tables.markTable.at(cell) == 1 && tables.resultMarks.at(0, cell.sign, cell.row) == 1;
}

void ShowScrutinyNotes(CouponApp& app) {
    const CouponTables& tables = app.tables;
    const MatchSigns result = ResultSigns(tables.resultMarks);
    std::vector<PictureHint> hints;
    std::string description;
    for (BetColumn column : BetColumns(tables.markTable, app.settings.columnCount)) {
        const int left = ColumnLeft(column.column);
        column.column += tables.firstColumn;  // told by the bet's own number
        const std::string line = ColumnLine(ScrutinizeColumn(column, result));
        // The column's number and its cells: where a player points at it.
        hints.push_back({left, 0, left + SignCount * CellSize, GridTop + RowCount * CellSize, line});
        description += line + "\n";
    }
    description += TotalLine(Scrutinize(MarkedColumns(tables.bet), result));
    ShowPictureNotes(app, std::move(hints), description);
}

void ShowCheckOfPage(CouponApp& app) {
    SelectSurface(PictureControlSurface(app), false);
    for (int c = 0; c < app.settings.columnCount; ++c) {
        for (int s = 0; s < SignCount; ++s) {
            for (int r = 0; r < RowCount; ++r) {
                const CellIndex cell{c, s, r};
                const CouponCell& record = app.tables.cellTable.at(cell);
                if (IsHit(app.tables, cell))
                    DrawMarkedCell(record);
                else
                    DrawClearedCell(record);
            }
        }
    }
    ShowScrutinyNotes(app);
    app.checkShown = true;
}
