#include "keeper_pages.h"

#include <string>

#include "check_view.h"
#include "page_pictures.h"
#include "picture_marking.h"

namespace {

constexpr const char* PictureName = "Boleto";

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

void SavePagesCommand(CouponApp& app) { SaveEveryPage(app); }
