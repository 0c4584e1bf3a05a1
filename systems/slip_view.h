#pragma once

#include "systems_app.h"

// The system's columns one official slip at a time, in keeper8's look with
// the bet's own column numbers, read only.

// Takes the built system as the bet and shows its first slip with the
// profile as the slip's tooltip and description, the summary and the chart.
void ShowSystem(SystemsApp& app);
// No system: an empty slip, no summary, an empty chart.
void ClearSystem(SystemsApp& app);
// "Boleto anterior" (-1) and "Boleto siguiente" (+1), within the slips.
void MoveSlip(SystemsApp& app, int step);
