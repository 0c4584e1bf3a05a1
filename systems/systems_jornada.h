#pragma once

#include <optional>

#include "jornada.h"
#include "systems_app.h"

// The week's round in the systems window: read from the programs' folder,
// its teams beside the forecast's rows and in its cells' names, and the
// chances it gives every result.

// At start: "1x2 - Jornada.json" from the programs' folder. A bad or
// unreadable file is named in one box and leaves no jornada; the file is
// not touched.
void LoadJornada(SystemsApp& app);
// The jornada from now on (none: every sign 1/3): the forecast shows its
// teams, and a system shown is cleared, as its chances were of the old one.
void TakeJornada(SystemsApp& app, std::optional<Jornada> jornada);

