#pragma once

#include "systems_app.h"

// The systems window: a forecast, the guarantee and conditions, "Generar
// Sistema", and the system shown slip by slip, stored and printed.

// Creates the window, its controls and menu; the modal run follows.
void StartSystems(SystemsApp& app);
// The window's message handler bound to `app`.
MessageHandler SystemsHandler(SystemsApp& app);
// The whole program: start-up, the modal run, its result as exit code.
int RunSystems(int argc, char** argv);
