#pragma once

#include "systems_app.h"

// "Jornada...": a window of its own, modal to the systems window, with
// every match's teams, the chances of 1, X and 2 (per cent or decimal odds,
// as "Entrada" says) and the public's shares, and the round's takings,
// jackpot and price. "Aceptar" checks every field and stores the jornada
// whole, keeping what the window does not show; "Cancelar", Escape or
// closing the window leave it as it was. A stored jornada is the window's
// from then on.
void EditJornadaCommand(SystemsApp& app);
