#include "systems_window.h"

#include <utility>

#include "forecast_picture.h"
#include "jornada_window.h"
#include "main_window_shell.h"
#include "program_folder.h"
#include "program_run.h"
#include "slip_view.h"
#include "systems_commands.h"
#include "systems_jornada.h"
#include "systems_layout.h"

namespace {

constexpr MenuEntry SystemsMenu[] = {
    {"Generar Sistema", GenerateSystemId}, {"Jornada...", EditJornadaId}, {"-", 0},
    {"Grabar Jugada", SaveBetId},          {"Grabar Boletos BMP", SaveSlipsId},
    {"-", 0},                              {"Limpiar Pantalla", ClearCouponId},
};

void Initialise(SystemsApp& app) {
    CouponApp& slip = app.slip;
    slip.programFolder = ProgramFolder();
    slip.pictureBitmap = NewOffscreenSurface(SlipSettings.pictureWidth, PictureHeight);
    ResetCouponTables(app.forecast, 1);
    LoadJornada(app);
    DrawForecast(app);
    NameForecastCells(app);
    ClearSystem(app);
    SetControlEnabled(app.cancelButton, false);
}

void Command(SystemsApp& app, int id) {
    switch (id) {
        case GenerateSystemId: GenerateCommand(app); break;
        case EditJornadaId: EditJornadaCommand(app); break;
        case SaveBetId: SaveSystemCommand(app); break;
        case SaveSlipsId: SaveSlipsCommand(app); break;
        case BmpButtonId: SaveSlipPictureCommand(app); break;
        case ClearCouponId: ClearCommand(app); break;
        case PreviousSlipId: MoveSlip(app, -1); break;
        case NextSlipId: MoveSlip(app, +1); break;
        default: break;
    }
}

void Key(SystemsApp& app, std::uint32_t key, std::uint32_t modifiers) {
    if (modifiers != 0) return;
    if (key == VirtualKey::Prior) MoveSlip(app, -1);
    if (key == VirtualKey::Next) MoveSlip(app, +1);
}

// A running search listens to Cancel and Escape only; they are taken here
// even while the generation's command runs.
bool Cancels(SystemsApp& app, std::uint32_t message, std::uint32_t first) {
    const bool cancels = (message == Message::Command && CommandId(first) == CancelButtonId) ||
                         (message == Message::KeyDown && first == VirtualKey::Escape);
    if (cancels && app.searching) app.cancelRequested = true;
    return cancels;
}

}  // namespace

void StartSystems(SystemsApp& app) {
    app.slip.settings = SlipSettings;
    CreateSystemsWindow(app, SystemsMenu);
}

MessageHandler SystemsHandler(SystemsApp& app) {
    return ProgramHandler(
        app.slip, {.initialise = [&app] { Initialise(app); },
                   .command = [&app](int id) { Command(app, id); },
                   .key = [&app](std::uint32_t key, std::uint32_t modifiers) { Key(app, key, modifiers); },
                   .before = [&app](std::uint32_t message, std::uint32_t first) { return Cancels(app, message, first); },
                   .destroyed =
                       [&app] {
                           if (app.originalForecastProc)
                               SetControlHandler(app.forecastControl,
                                                 std::exchange(app.originalForecastProc, nullptr));
                       }});
}

int RunSystems(int argc, char** argv) {
    return RunCouponProgram<SystemsApp>(
        argc, argv,
        [](SystemsApp& app) -> CouponApp& {
            StartSystems(app);
            return app.slip;
        },
        SystemsHandler);
}
