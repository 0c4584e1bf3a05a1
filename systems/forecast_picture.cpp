#include "forecast_picture.h"

#include <string>

#include "coupon_colors.h"
#include "coupon_drawing.h"
#include "coupon_geometry.h"
#include "font_style.h"
#include "picture_marking.h"
#include "window_round.h"

namespace {

// The teams stand right of the column's cells, on each match's row.
constexpr int TeamsX = ColumnLeft(0) + SignCount * CellSize + 6;
constexpr int TeamsRightMargin = 3;
constexpr int TeamsDown = 2;  // from the top of the row's cells
constexpr const char* TeamsFace = "Arial";
constexpr float TeamsPoints = 7;
constexpr const char* Ellipsis = "…";

SurfaceRef ForecastSurface(const SystemsApp& app) { return {app.slip.window, ForecastControlId}; }

// The text cut, with an ellipsis, to fit `width` in the surface's font.
std::string Fitted(std::string text, int width) {
    if (TextWidth(text) <= width) return text;
    while (!text.empty() && TextWidth(text + Ellipsis) > width) {
        // A whole character: its UTF-8 continuation bytes, then its first.
        unsigned char last = 0;
        do {
            last = static_cast<unsigned char>(text.back());
            text.pop_back();
        } while (!text.empty() && (last & 0xC0) == 0x80);
    }
    return text + Ellipsis;
}

void DrawTeams(const SystemsApp& app) {
    SetSurfaceColors(Black, White);
    SetSurfaceFont(NewFont(TeamsFace, TeamsPoints, 0));
    for (int r = 0; r < RowCount; ++r) {
        const std::string teams = MatchTeams(app.jornada, r);
        if (teams.empty()) continue;
        SetTextPosition(TeamsX, static_cast<float>(CellGeometry(0, 0, r).top + TeamsDown));
        PrintText(Fitted(teams, ForecastPictureWidth - TeamsX - TeamsRightMargin));
    }
}

}  // namespace

void DrawForecast(SystemsApp& app) {
    const SurfaceRef surface = ForecastSurface(app);
    ClearPicture(surface);
    DrawColumn(app.forecast, 0, surface);
    SelectSurface(surface, false);
    for (int s = 0; s < SignCount; ++s)
        for (int r = 0; r < RowCount; ++r)
            if (app.forecast.markTable.at(0, s, r) == 1) DrawMarkedCell(app.forecast.cellTable.at(0, s, r));
    DrawTeams(app);
}

void NameForecastCells(SystemsApp& app) {
    std::array<std::string, RowCount> teams;
    for (int r = 0; r < RowCount; ++r) teams[r] = MatchTeams(app.jornada, r);
    DescribePictureCells(app.forecastControl, 1, 0, false, teams);
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
