#include "background_build.h"

#include <atomic>
#include <thread>

#include "forecast_picture.h"
#include "system_summary.h"

namespace {

// Short enough for a repaint within a tenth of a second.
constexpr int PollMilliseconds = 15;
constexpr int ProgressSteps = 1000;

}  // namespace

SystemRequest RequestOfWindow(const SystemsApp& app) {
    SystemRequest request;
    request.forecast = ForecastSigns(app);
    request.guarantee = GuaranteeOfChoice(GetControlValue(app.guaranteeChoice));
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
    return request;
}

bool BuildInBackground(SystemsApp& app, const SystemRequest& request, SystemResult& result) {
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    std::atomic<int> progress{0};
    SystemProgress report{&cancel, [&progress](double fraction, std::size_t) {
                              progress = static_cast<int>(fraction * ProgressSteps);
                          }};
    app.searching = true;
    app.cancelRequested = false;
    SetControlRange(app.progressBar, 0, ProgressSteps);
    SetControlValue(app.progressBar, 0);
    SetControlEnabled(app.cancelButton, true);
    std::thread worker([&] {
        result = BuildSystem(request, report);
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
    SetControlValue(app.progressBar, result.failure == SystemFailure::None ? ProgressSteps : 0);
    SetControlEnabled(app.cancelButton, false);
    return true;
}
