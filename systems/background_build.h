#pragma once

#include <optional>
#include <string>

#include "bet_chances.h"
#include "chance_model.h"
#include "systems_app.h"

// "Generar Sistema": the engine, then the system's chances over every
// result, run on a thread of their own while the window keeps handling its
// messages, moves the progress bar and repaints. "Cancelar", Escape or
// closing the window stop them; only Cancel and Escape reach the window
// meanwhile, every other command is ignored.

// The request the window's controls describe, or nothing with `missing`
// set to the one line that says what the window still needs.
std::optional<SystemRequest> RequestOfWindow(const SystemsApp& app, std::string& missing);

struct BuiltSystem {
    SystemResult system;
    BetChances chances;  // of the system's columns by `model`; none unless it was built
};

// Runs the engine and the chances to their end or their cancel (the
// system's failure is then Cancelled). False when the window was closed
// meanwhile: nothing of it may be touched then.
bool BuildInBackground(SystemsApp& app, const SystemRequest& request, const ChanceModel& model, BuiltSystem& built);
