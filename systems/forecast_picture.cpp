#include "forecast_picture.h"

#include "coupon_drawing.h"
#include "coupon_geometry.h"
#include "picture_marking.h"

namespace {

SurfaceRef ForecastSurface(const SystemsApp& app) { return {app.slip.window, ForecastControlId}; }

}  // namespace

void DrawForecast(SystemsApp& app) {
    const SurfaceRef surface = ForecastSurface(app);
    ClearPicture(surface);
    DrawColumn(app.forecast, 0, surface);
    SelectSurface(surface, false);
    for (int s = 0; s < SignCount; ++s)
        for (int r = 0; r < RowCount; ++r)
            if (app.forecast.markTable.at(0, s, r) == 1) DrawMarkedCell(app.forecast.cellTable.at(0, s, r));
}

void ClearForecast(SystemsApp& app) {
    ResetCouponTables(app.forecast, 1);
    DrawForecast(app);
}

std::int32_t ForecastProc(SystemsApp& app, Handle control, std::uint32_t message,
                          std::uint32_t first, std::uint32_t second) {
    // Not while a search or a box runs: the forecast it reads stays as it was.
    if (message == Message::LeftButtonDown && !app.slip.commandRunning) {
        if (const auto cell = HitTestCell(PressX(second), PressY(second), 1)) {
            SelectSurface(ForecastSurface(app), false);
            const CouponCell& record = app.forecast.cellTable.at(*cell);
            if (ToggleMark(app.forecast, *cell) == 1)
                DrawMarkedCell(record);
            else
                DrawUnmarkedCell(record);
        }
    }
    return CallPreviousHandler(app.originalForecastProc, control, message, first, second);
}

MatchSigns ForecastSigns(const SystemsApp& app) {
    MatchSigns signs{};
    for (int r = 0; r < RowCount; ++r)
        for (int s = 0; s < SignCount; ++s)
            if (app.forecast.markTable.at(0, s, r) == 1) signs[r] |= static_cast<SignSet>(1u << s);
    return signs;
}
