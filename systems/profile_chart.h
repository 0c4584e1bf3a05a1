#pragma once

#include "systems_app.h"

// The guarantee profile as five bars, the share of outcomes whose best
// column hits 14, 13, 12, 11 and 10: players read it faster than the lines.
inline constexpr int ChartWidth = 195;
inline constexpr int ChartHeight = 100;

// Draws the system's profile, or an empty chart while there is none.
void DrawProfileChart(SystemsApp& app);
