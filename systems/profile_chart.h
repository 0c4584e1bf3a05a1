#pragma once

#include "systems_app.h"

// The result as two bar charts of five bars, 14 down to 10 hits, which
// players read faster than the lines: the guarantee profile (the share of
// the forecast's outcomes whose best column hits exactly so many) and the
// chances (the chance that the best column hits so many or more, over
// every result). Each chart's description reads what it shows.
inline constexpr int ChartWidth = 300;
inline constexpr int ChartHeight = 110;

// Both charts of the system shown, or empty while there is none.
void DrawResultCharts(SystemsApp& app);
