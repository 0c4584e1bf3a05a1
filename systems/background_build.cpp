#include "background_build.h"

#include <atomic>
#include <thread>

#include "forecast_picture.h"
#include "round_figures.h"
#include "system_summary.h"

namespace {

// Short enough for a repaint within a tenth of a second.
constexpr int PollMilliseconds = 15;
constexpr int ProgressSteps = 1000;
// The share of the bar the search takes; the chances take the rest.
constexpr double SearchShare = 0.9;

constexpr const char* BudgetMissing = "Falta el número de apuestas del presupuesto (\"Apuestas\")";

void ReadConditions(const SystemsApp& app, SystemRequest& request) {
    CountRange* ranges[ConditionRanges] = {&request.conditions.unos, &request.conditions.equis,
                                           &request.conditions.doses, &request.conditions.variantes,
                                           &request.conditions.interrupciones};
    // An open field (below its range) leaves that end of the range open.
    for (int k = 0; k < ConditionRanges; ++k) {
        const int low = GetControlValue(app.conditionFields[2 * k]);
        const int high = GetControlValue(app.conditionFields[2 * k + 1]);
        if (low >= 0) ranges[k]->low = low;
        if (high >= 0) ranges[k]->high = high;
    }
    // A run is at least one match long, so 0 is this field's open value.
    const int runs = GetControlValue(app.conditionFields[ConditionFields - 1]);
    if (runs >= 1) request.conditions.seguidosHasta = runs;
}

}  // namespace

std::optional<SystemRequest> RequestOfWindow(const SystemsApp& app, std::string& missing) {
    SystemRequest request;
    request.forecast = ForecastSigns(app);
    request.guarantee = GuaranteeOfChoice(GetControlValue(app.guaranteeChoice));
    ReadConditions(app, request);
    if (GetControlValue(app.objectiveChoice) == 1) {  // "Presupuesto"
        const int bets = GetControlValue(app.budgetField);
        if (bets < 1) {
            missing = BudgetMissing;
            return std::nullopt;
        }
        request.budgetBets = static_cast<std::uint64_t>(bets);
    }
    // "1 entre" N: open below 1.
    if (const int oneIn = GetControlValue(app.minProbabilityField); oneIn >= 1) request.value.minProbability = 1.0 / oneIn;
    request.value.minContra = GetControlNumber(app.minContraField);
    request.value.minValue = GetControlNumber(app.minValueField);
    // Without a jornada every outcome weighs alike and the conditions of
    // value find nothing to go by: the engine says which is missing.
    if (app.jornada) request.round = RoundFiguresOf(ChanceModelOf(*app.jornada));
    return request;
}

bool BuildInBackground(SystemsApp& app, const SystemRequest& request, const ChanceModel& model, BuiltSystem& built) {
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    std::atomic<int> progress{0};
    const auto share = [&progress](double from, double width) {
        return [&progress, from, width](double fraction) {
            progress = static_cast<int>((from + width * fraction) * ProgressSteps);
        };
    };
    SystemProgress report{&cancel, [searched = share(0, SearchShare)](double fraction, std::size_t) {
                              searched(fraction);
                          }};
    ChanceControl counting;
    counting.cancel = &cancel;
    counting.progress = share(SearchShare, 1 - SearchShare);
    app.searching = true;
    app.cancelRequested = false;
    SetControlRange(app.progressBar, 0, ProgressSteps);
    SetControlValue(app.progressBar, 0);
    SetControlEnabled(app.cancelButton, true);
    std::thread worker([&] {
        built.system = BuildSystem(request, report);
        if (built.system.failure == SystemFailure::None) {
            built.chances = ChancesOf(SystemBet(built.system.columns), model, counting);
            if (built.chances.cancelled) built.system.failure = SystemFailure::Cancelled;
        }
        done = true;
    });
    bool open = true;
    while (!done) {
        open = open && ProcessPendingMessage(PollMilliseconds) > 0;
        if (!open || app.cancelRequested) cancel = true;
        if (open) SetControlValue(app.progressBar, progress);
    }
    worker.join();
    if (!open) return false;
    app.searching = false;
    SetControlValue(app.progressBar, built.system.failure == SystemFailure::None ? ProgressSteps : 0);
    SetControlEnabled(app.cancelButton, false);
    return true;
}
