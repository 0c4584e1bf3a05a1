#include "bet_check.h"

#include "bet_file.h"
#include "coupon_drawing.h"
#include "coupon_geometry.h"
#include "picture_notes.h"
#include "scrutiny.h"

bool IsHit(const CouponTables& tables, CellIndex cell) {
    return tables.markTable.at(cell) == 1 && tables.resultMarks.at(0, cell.sign, cell.row) == 1;
}

void ShowScrutinyNotes(CouponApp& app) {
    const Scrutiny scrutiny =
        Scrutinize(BetColumns(app.tables.markTable, app.settings.columnCount),
                   ResultSigns(app.tables.resultMarks));
    std::vector<PictureHint> hints;
    std::string description;
    for (const ColumnScrutiny& column : scrutiny.columns) {
        const std::string line = ColumnLine(column);
        // The column's number and its cells: where a player points at it.
        const int left = ColumnLeft(column.bet.column);
        hints.push_back({left, 0, left + SignCount * CellSize, GridTop + RowCount * CellSize, line});
        description += (description.empty() ? "" : "\n") + line;
    }
    ShowPictureNotes(app, std::move(hints), description);
}

void CheckBetCommand(CouponApp& app) {
    LoadBet(app.tables, BetFilePath(app.programFolder));
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
}
