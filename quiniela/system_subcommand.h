#pragma once

#include "system_options.h"

namespace CLI {
class App;
}

// "quiniela system": builds a reduced system for a forecast, or the bets a
// budget buys, prints it in the format "quiniela import" reads and
// optionally stores it as the bet.

// Adds the command and its options to `app`; `options` holds the default
// bet and jornada files.
CLI::App* AddSystemCommand(CLI::App& app, SystemOptions& options);
// The exit code: 0 done; 1 the bet could not be written, --write found a bet
// and no --force, or the system failed its recount; 2 bad input or a system
// refused; 130 interrupted.
int RunSystemCommand(const SystemOptions& options);
