#include "reducer_window.h"

#include <algorithm>
#include <cctype>

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
#include "record_file.h"

namespace {

constexpr int InputColumns = 2;
constexpr const char* PictureTitle = "Programador ...";
constexpr const char* NeedBmpName = "Tienes que poner un nombre de fichero y '.bmp'";
constexpr const char* PictureSaved = "Ya ha sido grabado ...";
constexpr const char* BmpSuffix = ".bmp";

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

void SavePicture(ReducerApp& app) {
    const std::string name = GetControlText(ControlWindow(app.coupon.window, FileNameBoxId));
    if (name.empty()) return;
    if (!IsAcceptedPictureName(name)) {
        ShowMessage(NeedBmpName, MessageButtons::Ok, PictureTitle);
        return;
    }
    const std::string path = app.coupon.programFolder + name;
    // The old picture is replaced in one step by the save, never deleted first.
    IgnoringFailure([&] { WriteAttributes(path, Attribute::Archive); });
    SelectSurface(PictureControlSurface(app.coupon), false);
    if (SaveSurfaceBitmap(path))
        ShowMessage(PictureSaved, MessageButtons::Ok, PictureTitle);
    else
        ShowMessage(PictureNotSavedText, MessageButtons::Ok, PictureNotSavedTitle);
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
        case BmpButtonId: SavePicture(app); break;
        default: break;
    }
}

}  // namespace

bool IsAcceptedPictureName(const std::string& name) {
    const std::size_t suffix = std::char_traits<char>::length(BmpSuffix);
    if (name.size() < suffix) return false;
    std::string tail = name.substr(name.size() - suffix);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    // A pattern could make the delete before saving remove other files.
    return tail == BmpSuffix && name.find_first_of("*?") == std::string::npos;
}

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
