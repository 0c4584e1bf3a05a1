#include "systems_commands.h"

#include "bet_marks.h"
#include "bet_messages.h"
#include "forecast_picture.h"
#include "message_titles.h"
#include "page_pictures.h"
#include "picture_export.h"
#include "slip_view.h"
#include "background_search.h"
#include "system_text.h"

namespace {

constexpr const char* NothingToSave = "Todavía no hay ningún sistema que grabar ...";

bool HasSystemOrSays(SystemsApp& app) {
    if (app.hasSystem) return true;
    ShowMessage(NothingToSave, MessageButtons::Ok, ProgramTitle);
    return false;
}

}  // namespace

void GenerateCommand(SystemsApp& app) {
    SystemResult result;
    if (!RunSearch(app, RequestOfWindow(app), result)) return;  // the window is gone
    if (result.failure == SystemFailure::Cancelled) return;
    if (result.failure != SystemFailure::None) {
        ShowMessage(SystemFailureText(result), MessageButtons::Ok, ProgramTitle);
        return;
    }
    app.result = std::move(result);
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
    SetControlValue(app.progressBar, 0);
    ClearSystem(app);
}
