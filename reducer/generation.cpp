#include "generation.h"

#include "bet_file.h"
#include "coupon_colors.h"
#include "coupon_drawing.h"
#include "main_window_shell.h"
#include "picture_export.h"
#include "program_folder.h"
#include "record_file.h"

void GenerateReduced(ReducerApp& app) {
    CouponApp& coupon = app.coupon;
    const std::string bet = BetFilePath(coupon.programFolder);
    IgnoringFailure([&] { WriteAttributes(bet, Attribute::Archive); });
    IgnoringFailure([&] { DeleteFiles(bet); });
    // Appending the new system onto an old bet would store neither.
    const bool oldBetRemains = FileExists(bet);

    // Resolved before any drawing: a click handled meanwhile cannot change it.
    const ReducedSystem system = ResolveReducedSystem(coupon.tables.markTable, app.reduction);

    const SurfaceRef bitmap = PictureBitmapSurface(coupon);
    SelectSurface(bitmap, false);
    ClearSurface(White);
    for (int c = 0; c < ReducedColumns; ++c) DrawColumn(coupon.tables, c, bitmap);

    for (int c = 0; c < ReducedColumns; ++c) {
        for (int r = 0; r < RowCount; ++r) {
            const int s = system[c][r];
            // A failed append shows a box, during which clicks select the control.
            SelectSurface(bitmap, false);
            DrawMarkedCell(coupon.tables.cellTable.at(c, s, r));
            if (!oldBetRemains) AppendBetRecord(bet, c, s, r);
        }
    }

    const std::string picture = coupon.programFolder + ReducedPictureName;
    // The old picture is replaced even when someone made it read-only.
    IgnoringFailure([&] { WriteAttributes(picture, Attribute::Archive); });
    SelectSurface(bitmap, false);
    const bool saved = SaveSurfaceBitmap(picture);
    if (oldBetRemains) ShowMessage(BetNotDeletedText, MessageButtons::Ok, BetNotDeletedTitle);
    if (!saved) ShowMessage(PictureNotSavedText, MessageButtons::Ok, PictureNotSavedTitle);
    SelectSurface(bitmap, false);
}
