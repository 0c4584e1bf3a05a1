#include "bet_check.h"

#include "bet_file.h"
#include "coupon_drawing.h"

bool IsHit(const CouponTables& tables, CellIndex cell) {
    return tables.markTable.at(cell) == 1 && tables.resultMarks.at(0, cell.sign, cell.row) == 1;
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
}
