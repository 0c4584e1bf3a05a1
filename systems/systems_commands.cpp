#include "systems_commands.h"

#include "bet_marks.h"
#include "bet_messages.h"
#include "forecast_picture.h"
#include "message_titles.h"
#include "page_pictures.h"
#include "picture_export.h"
#include "slip_view.h"
#include "background_build.h"
#include "system_text.h"
#include "window_round.h"

namespace {

constexpr const char* NothingToSave = "Todavía no hay ningún sistema que grabar ...";

bool HasSystemOrSays(SystemsApp& app) {
    if (app.hasSystem) return true;
    ShowMessage(NothingToSave, MessageButtons::Ok, ProgramTitle);
    return false;
}

}  // namespace

void GenerateCommand(SystemsApp& app) {
    std::string missing;
    const auto request = RequestOfWindow(app, missing);
    if (!request) {
        ShowMessage(missing, MessageButtons::Ok, ProgramTitle);
        return;
    }
    BuiltSystem built;
    if (!BuildInBackground(app, *request, WindowChanceModel(app), built)) return;  // the window is gone
    if (built.system.failure == SystemFailure::Cancelled) return;
    if (built.system.failure != SystemFailure::None) {
        ShowMessage(SystemFailureText(built.system), MessageButtons::Ok, ProgramTitle);
        return;
    }
    app.result = std::move(built.system);
    app.chances = built.chances;
    ShowSystem(app);
}

void SaveSystemCommand(SystemsApp& app) {
    if (!HasSystemOrSays(app)) return;
    StoreBetAsking(BetFilePath(app.slip.programFolder), BetRecordsOf(app.slip.tables.bet));
}

void SaveSlipsCommand(SystemsApp& app) {
    if (HasSystemOrSays(app)) SaveEveryPage(app.slip);
}

void SaveSlipPictureCommand(SystemsApp& app) { SavePictureCommand(app.slip); }

void ClearCommand(SystemsApp& app) {
    ClearForecast(app);
    for (const Handle field : app.conditionFields) SetControlValue(field, -1);
    SetControlValue(app.minProbabilityField, 0);
    SetControlNumber(app.minContraField, std::nullopt);
    SetControlNumber(app.minValueField, std::nullopt);
    SetControlValue(app.progressBar, 0);
    ClearSystem(app);
}
