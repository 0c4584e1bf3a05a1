#include "systems_window.h"

#include <utility>

#include "command_scope.h"
#include "coupon_colors.h"
#include "forecast_picture.h"
#include "main_window_shell.h"
#include "picture_marking.h"
#include "program_folder.h"
#include "profile_chart.h"
#include "slip_view.h"
#include "systems_commands.h"
#include "systems_layout.h"

namespace {

constexpr MenuEntry SystemsMenu[] = {
    {"Generar Sistema", GenerateId}, {"-", 0},
    {"Grabar Jugada", SaveBetId},    {"Grabar Boletos BMP", SaveSlipsId},
    {"-", 0},                        {"Limpiar Pantalla", ClearId},
};

void Initialise(SystemsApp& app) {
    CouponApp& slip = app.slip;
    slip.programFolder = ProgramFolder();
    slip.pictureBitmap = NewOffscreenSurface(SlipSettings.pictureWidth, PictureHeight);
    ResetCouponTables(app.forecast, 1);
    DrawForecast(app);
    ClearSystem(app);
    SetControlEnabled(app.cancelButton, false);
}

void Command(SystemsApp& app, int id) {
    switch (id) {
        case GenerateId: GenerateCommand(app); break;
        case SaveBetId: SaveSystemCommand(app); break;
        case SaveSlipsId: SaveSlipsCommand(app); break;
        case BmpButtonId: SaveSlipPictureCommand(app); break;
        case ClearId: ClearCommand(app); break;
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

}  // namespace

void StartSystems(SystemsApp& app) {
    app.slip.settings = SlipSettings;
    CreateSystemsWindow(app, SystemsMenu);
}

MessageHandler SystemsHandler(SystemsApp& app) {
    return [&app](Handle, std::uint32_t message, std::uint32_t first, std::uint32_t second) {
        // A running search listens to Cancel and Escape only.
        const bool cancels = (message == Message::Command && CommandId(first) == CancelButtonId) ||
                             (message == Message::KeyDown && first == VirtualKey::Escape);
        if (cancels) {
            if (app.searching) app.cancelRequested = true;
            return 0;
        }
        CouponApp& slip = app.slip;
        switch (message) {
            case Message::InitDialog: {
                const CommandScope scope(slip);
                Initialise(app);
                break;
            }
            case Message::NcActivate: HandleActivation(slip, first); break;
            case Message::Destroy:
                HandleDestruction(slip);
                if (app.originalForecastProc)
                    SetControlHandler(app.forecastControl, std::exchange(app.originalForecastProc, nullptr));
                break;
            case Message::Command: {
                const CommandScope scope(slip);
                if (scope.entered()) Command(app, CommandId(first));
                break;
            }
            case Message::KeyDown: {
                const CommandScope scope(slip);
                if (scope.entered()) Key(app, first, second);
                break;
            }
            default: break;
        }
        return 0;
    };
}

int RunSystems(int argc, char** argv) {
    return RunProgram(argc, argv, [] {
        SystemsApp app;
        StartSystems(app);
        int result = 0;
        ShowModal(app.slip.window, SystemsHandler(app), &result);
        return result;
    });
}
