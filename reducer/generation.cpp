#include "generation.h"

#include "bet_file.h"
#include "bet_messages.h"
#include "coupon_colors.h"
#include "coupon_drawing.h"
#include "guarantee.h"
#include "main_window_shell.h"
#include "message_titles.h"
#include "picture_export.h"
#include "picture_notes.h"
#include "record_file.h"

void GenerateReduced(ReducerApp& app) {
    CouponApp& coupon = app.coupon;
    // Resolved before any drawing: a click handled meanwhile cannot change it.
    const ReducedSystem system = ResolveReducedSystem(coupon.tables.markTable, app.reduction);
    std::vector<BetRecord> records;
    for (int c = 0; c < ReducedColumns; ++c)
        for (int r = 0; r < RowCount; ++r) records.push_back({c, system[c][r], r});

    const SurfaceRef bitmap = PictureBitmapSurface(coupon);
    SelectSurface(bitmap, false);
    ClearSurface(White);
    for (int c = 0; c < ReducedColumns; ++c) DrawColumn(coupon.tables, c, bitmap);
    SelectSurface(bitmap, false);
    for (const BetRecord& record : records)
        DrawMarkedCell(coupon.tables.cellTable.at(record.column, record.sign, record.row));

    // The new system replaces the old bet whole, or the old bet stays.
    const ReplaceOutcome stored = ReplaceBet(BetFilePath(coupon.programFolder), records);

    const std::string picture = coupon.programFolder + ReducedPictureName;
    // The old picture is replaced even when someone made it read-only.
    IgnoringFailure([&] { WriteAttributes(picture, Attribute::Archive); });
    SelectSurface(bitmap, false);
    const bool saved = SaveSurfaceBitmap(picture);
    ShowGuaranteeNotes(coupon, system);
    ReportBetReplacement(stored);
    if (!saved) ShowMessage(PictureNotSavedText, MessageButtons::Ok, PictureTitle);
    SelectSurface(bitmap, false);
}

void ShowGuaranteeNotes(CouponApp& coupon, const ReducedSystem& system) {
    std::vector<BetColumn> columns(ReducedColumns);
    for (int c = 0; c < ReducedColumns; ++c) {
        columns[c].column = c;
        for (int r = 0; r < RowCount; ++r)
            columns[c].marks[r] = static_cast<SignSet>(1u << system[c][r]);
    }
    const std::string profile = GuaranteeText(Guarantee(columns, DefaultForecast(columns)));
    ShowPictureNotes(coupon, {{0, 0, ReducerPictureControlWidth, PictureHeight, profile}}, profile);
}
