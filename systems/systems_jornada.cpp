#include "systems_jornada.h"

#include "bet_file.h"
#include "forecast_picture.h"
#include "jornada_file.h"
#include "message_titles.h"
#include "slip_view.h"
#include "window_round.h"

void LoadJornada(SystemsApp& app) {
    const JornadaRead read = ReadJornada(JornadaFilePath(app.slip.programFolder));
    switch (read.status) {
        case JornadaStatus::Read: app.jornada = read.jornada; return;
        case JornadaStatus::Missing: break;
        case JornadaStatus::Bad: ShowMessage(JornadaProblemText(read.problem), MessageButtons::Ok, ProgramTitle); break;
        case JornadaStatus::FileFailure:
            ShowMessage(JornadaProblemText(AppendFailureText(read.error)), MessageButtons::Ok, ProgramTitle);
            break;
    }
    app.jornada.reset();
}

void TakeJornada(SystemsApp& app, std::optional<Jornada> jornada) {
    app.jornada = std::move(jornada);
    DrawForecast(app);
    NameForecastCells(app);
    if (app.hasSystem) ClearSystem(app);
}
