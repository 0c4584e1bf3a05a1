#include "keeper_pages.h"

#include <string>

#include "bet_check.h"
#include "coupon_drawing.h"
#include "keeper_commands.h"
#include "picture_export.h"
#include "picture_marking.h"

namespace {

constexpr const char* PictureName = "Boleto";
constexpr const char* PagesTitle = "Programador ...";

void DrawPageMarks(CouponApp& app) {
    for (int c = 0; c < app.settings.columnCount; ++c)
        for (int s = 0; s < SignCount; ++s)
            for (int r = 0; r < RowCount; ++r)
                if (app.tables.markTable.at(c, s, r) == 1)
                    DrawMarkedCell(app.tables.cellTable.at(c, s, r));
}

// The page with its marks on pictureBitmap, which stays selected.
void DrawPageBitmap(CouponApp& app) {
    const SurfaceRef bitmap = PictureBitmapSurface(app);
    ClearPicture(bitmap);
    for (int c = 0; c < app.settings.columnCount; ++c) DrawColumn(app.tables, c, bitmap);
    DrawSignature(bitmap, app.settings.signatureX);
    SelectSurface(bitmap, false);
    DrawPageMarks(app);
}

}  // namespace

void DrawPage(CouponApp& app) {
    const bool checked = app.checkShown;
    DrawPageBitmap(app);
    SelectSurface(PictureControlSurface(app), false);
    CopySurface(app.pictureBitmap);
    TellPage(app);
    if (checked) ShowCheckOfPage(app);
}

void TellPage(CouponApp& app) {
    const int pages = PagesToTell(app.tables);
    std::string name = PictureName;
    if (pages > 1)
        name += ", página " + std::to_string(PageShown(app.tables) + 1) + " de " +
                std::to_string(pages);
    SetControlAccessibleName(app.pictureControl, name);
    DescribePictureCells(app.pictureControl, app.settings.columnCount, app.tables.firstColumn);
}

void MovePage(CouponApp& app, PageMove move) {
    const int page = PageAfter(app.tables, move);
    if (page == PageShown(app.tables)) return;
    ShowPageMarks(app.tables, page);
    DrawPage(app);
}

bool PageKey(CouponApp& app, std::uint32_t key, std::uint32_t modifiers) {
    const bool control = (modifiers & KeyControlFlag) != 0;
    if (key == VirtualKey::Next && !control) MovePage(app, PageMove::Next);
    else if (key == VirtualKey::Prior && !control) MovePage(app, PageMove::Previous);
    else if (key == VirtualKey::Home && control) MovePage(app, PageMove::First);
    else if (key == VirtualKey::End && control) MovePage(app, PageMove::Last);
    else return false;
    return true;
}

void SavePagesCommand(CouponApp& app) {
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
    // Back to the page on screen, which the control still shows.
    ShowPageMarks(app.tables, shown);
    DrawPageBitmap(app);
    if (saved == last + 1)
        ShowMessage("Ya han sido grabadas " + std::to_string(saved) + " páginas ...",
                    MessageButtons::Ok, PagesTitle);
    else
        ShowMessage(PictureNotSavedText, MessageButtons::Ok, PictureNotSavedTitle);
}
