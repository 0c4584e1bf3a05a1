#include "reducer_window.h"


#include "coupon_colors.h"
#include "coupon_drawing.h"
#include "coupon_geometry.h"
#include "generation.h"
#include "main_window_shell.h"
#include "picture_export.h"
#include "picture_marking.h"
#include "picture_notes.h"
#include "program_folder.h"
#include "program_run.h"

namespace {

constexpr int InputColumns = 2;

constexpr MenuEntry ReducerMenu[] = {
    {"Generar Reducida", GenerateReducedId},
    {"-", 0},
    {"Limpiar Pantalla", ClearCouponId},
};

// The two input columns, drawn straight on the control.
void DrawInputColumns(ReducerApp& app) {
    SelectSurface(PictureControlSurface(app.coupon), false);
    ResetCouponTables(app.coupon.tables, ReducerSettings.columnCount);
    for (int c = 0; c < InputColumns; ++c) DrawColumn(app.coupon.tables, c);
}

void Initialise(ReducerApp& app) {
    CouponApp& coupon = app.coupon;
    coupon.programFolder = ProgramFolder();
    FillReductionTable(app.reduction);
    coupon.pictureBitmap = NewOffscreenSurface(ReducerSettings.pictureWidth, PictureHeight);
    SelectSurface(PictureBitmapSurface(coupon), false);
    ClearSurface(White);
    DrawInputColumns(app);
}

void ClearInput(ReducerApp& app) {
    EndPictureNotes(app.coupon);
    SelectSurface(PictureControlSurface(app.coupon), false);
    ClearSurface(White);
    DrawInputColumns(app);
}

std::int32_t ReducerPictureProc(ReducerApp& app, Handle control, std::uint32_t message,
                                std::uint32_t first, std::uint32_t second) {
    if (message == Message::LeftButtonDown && !app.coupon.commandRunning) {
        if (const auto cell = HitTestCell(PressX(second), PressY(second), InputColumns)) {
            SelectSurface(PictureControlSurface(app.coupon), false);
            const CouponCell& record = app.coupon.tables.cellTable.at(*cell);
            if (ToggleMark(app.coupon.tables, *cell) == 1)
                DrawMarkedCell(record);
            else
                DrawUnmarkedCell(record);
            EndPictureNotes(app.coupon);  // the input no longer gives that system
        }
    }
    return CallPreviousHandler(app.coupon.originalPictureProc, control, message, first, second);
}

void Command(ReducerApp& app, int id) {
    switch (id) {
        case GenerateReducedId: GenerateReduced(app); break;
        case ClearCouponId: ClearInput(app); break;
        case BmpButtonId: SavePictureCommand(app.coupon, IsAcceptedPictureName); break;
        default: break;
    }
}

}  // namespace

void StartReducer(ReducerApp& app) {
    app.coupon.settings = ReducerSettings;
    const WindowPlan plan{ReducerSettings.windowWidth, ReducerPictureControlWidth, false, White,
                          InputColumns};
    CreateMainWindow(app.coupon, plan, ReducerMenu,
                     [&app](Handle control, std::uint32_t message, std::uint32_t first,
                            std::uint32_t second) {
                         return ReducerPictureProc(app, control, message, first, second);
                     });
}

MessageHandler ReducerHandler(ReducerApp& app) {
    return ProgramHandler(app.coupon, {.initialise = [&app] { Initialise(app); },
                                       .command = [&app](int id) { Command(app, id); }});
}

int RunReducer(int argc, char** argv) {
    return RunCouponProgram<ReducerApp>(
        argc, argv,
        [](ReducerApp& app) -> CouponApp& {
            StartReducer(app);
            return app.coupon;
        },
        ReducerHandler);
}
