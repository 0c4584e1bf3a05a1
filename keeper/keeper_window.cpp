#include "keeper_window.h"

#include "bet_check.h"
#include "coupon_colors.h"
#include "keeper_commands.h"
#include "keeper_pages.h"
#include "main_window_shell.h"
#include "picture_export.h"
#include "picture_marking.h"
#include "program_folder.h"
#include "program_run.h"

namespace {

constexpr MenuEntry KeeperMenu[] = {
    {"Grabar Jugada", SaveBetId},   {"-", 0}, {"Visualizar Jugada", ShowBetId}, {"-", 0},
    {"Comprobar Jugada", CheckBetId}, {"-", 0}, {"Limpiar Pantalla", ClearCouponId},
    {"Borrar Jugada", DeleteBetId},
};

constexpr MenuEntry PagesMenu[] = {
    {"Página siguiente", NextPageId}, {"Página anterior", PreviousPageId},
    {"Primera página", FirstPageId},  {"Última página", LastPageId},
    {"-", 0},                         {"Grabar páginas BMP", SavePagesId},
};

void Initialise(CouponApp& app) {
    app.programFolder = ProgramFolder();
    app.pictureBitmap = NewOffscreenSurface(app.settings.pictureWidth, PictureHeight);
    ResetCouponTables(app.tables, app.settings.columnCount);
    DrawFreshCoupon(app);
    UpdateMenuStates(app);
}

void Command(CouponApp& app, int id) {
    switch (id) {
        case SaveBetId: SaveBetCommand(app); break;
        case ShowBetId: ShowBetCommand(app); break;
        case CheckBetId: CheckBetCommand(app); break;
        case ClearCouponId:
        case ResetButtonId: ClearCouponCommand(app); break;
        case DeleteBetId: DeleteBetCommand(app); break;
        case BmpButtonId: SavePictureCommand(app); break;
        case NextPageId: MovePage(app, PageMove::Next); break;
        case PreviousPageId: MovePage(app, PageMove::Previous); break;
        case FirstPageId: MovePage(app, PageMove::First); break;
        case LastPageId: MovePage(app, PageMove::Last); break;
        case SavePagesId: SavePagesCommand(app); break;
        default: break;
    }
}

}  // namespace

void StartKeeper(CouponApp& app, const CouponSettings& settings) {
    app.settings = settings;
    const WindowPlan plan{settings.windowWidth, settings.pictureWidth, true, Black,
                          settings.columnCount};
    CreateMainWindow(app, plan, KeeperMenu,
                     [&app](Handle window, std::uint32_t message, std::uint32_t first,
                            std::uint32_t second) {
                         return PictureProc(app, window, message, first, second);
                     },
                     PagesMenu);
}

MessageHandler KeeperHandler(CouponApp& app) {
    return ProgramHandler(app, {.initialise = [&app] { Initialise(app); },
                                .command = [&app](int id) { Command(app, id); },
                                .key = [&app](std::uint32_t key,
                                              std::uint32_t modifiers) { PageKey(app, key, modifiers); }});
}

int RunKeeper(int argc, char** argv, const CouponSettings& settings) {
    return RunCouponProgram<CouponApp>(
        argc, argv,
        [&settings](CouponApp& app) -> CouponApp& {
            StartKeeper(app, settings);
            return app;
        },
        KeeperHandler);
}
