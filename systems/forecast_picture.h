#pragma once

#include <cstdint>

#include "coupon_model.h"
#include "systems_app.h"

// The forecast: one coupon column where a click or Space toggles any sign
// of a match; one, two or three signs make a fixed sign, a double or a
// triple, with the jornada's teams beside each match. Drawn straight on its
// control.

inline constexpr int ForecastPictureWidth = 190;

void DrawForecast(SystemsApp& app);
// The cells for the keyboard and screen readers: "Partido 07, X", or
// "Partido 07, Betis - Sevilla, X" with the jornada's teams.
void NameForecastCells(SystemsApp& app);
void ClearForecast(SystemsApp& app);
// The replacement handler of the forecast's picture control.
std::int32_t ForecastProc(SystemsApp& app, Handle control, std::uint32_t message,
                          std::uint32_t first, std::uint32_t second);
MatchSigns ForecastSigns(const SystemsApp& app);
