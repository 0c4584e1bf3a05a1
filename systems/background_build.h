#pragma once

#include "systems_app.h"

// "Generar Sistema": the engine runs on a thread of its own while the
// window keeps handling its messages, moves the progress bar and repaints.
// "Cancelar", Escape or closing the window stop it; only Cancel and Escape
// reach the window meanwhile, every other command is ignored.

// The request the window's controls describe.
SystemRequest RequestOfWindow(const SystemsApp& app);
// Runs the engine to its end or its cancel. False when the window was
// closed meanwhile: nothing of it may be touched then.
bool BuildInBackground(SystemsApp& app, const SystemRequest& request, SystemResult& result);
