#include "page_pictures.h"

#include <optional>
#include <string>

#include "bet_pages.h"
#include "coupon_drawing.h"
#include "message_titles.h"
#include "picture_export.h"

void DrawPageBitmap(CouponApp& app) {
    const SurfaceRef bitmap = PictureBitmapSurface(app);
    ClearPicture(bitmap);
    for (int c = 0; c < app.settings.columnCount; ++c) DrawColumn(app.tables, c, bitmap);
    DrawSignature(bitmap, app.settings.signatureX);
    SelectSurface(bitmap, false);
    DrawPageMarks(app);
}

void DrawPageMarks(CouponApp& app) {
    for (int c = 0; c < app.settings.columnCount; ++c)
        for (int s = 0; s < SignCount; ++s)
            for (int r = 0; r < RowCount; ++r)
                if (app.tables.markTable.at(c, s, r) == 1)
                    DrawMarkedCell(app.tables.cellTable.at(c, s, r));
}

void SaveEveryPage(CouponApp& app) {
    const std::optional<std::string> name = TypedPictureName(app);
    if (!name) return;
    const int shown = PageShown(app.tables);
    const int last = LastMarkedPage(app.tables.bet, app.settings.columnCount);
    int saved = 0;
    for (int page = 0; page <= last; ++page) {
        ShowPageMarks(app.tables, page);
        DrawPageBitmap(app);
        if (!SavePictureAs(app, PageFileName(*name, page))) break;
        ++saved;
    }
    ShowPageMarks(app.tables, shown);
    DrawPageBitmap(app);
    if (saved == last + 1)
        ShowMessage("Ya han sido grabadas " + std::to_string(saved) + " páginas ...",
                    MessageButtons::Ok, PictureTitle);
    else
        ShowMessage(PictureNotSavedText, MessageButtons::Ok, PictureTitle);
}
