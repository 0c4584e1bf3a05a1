#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

// "quiniela system": builds a reduced system for a forecast, or the bets a
// budget buys, prints it in the format "quiniela import" reads and
// optionally stores it as the bet.

struct SystemOptions {
    std::vector<std::string> forecast;  // one word or 14
    int guarantee = 14;
    std::string unos, equis, doses, variantes, interrupciones;  // "A-B"; empty: open
    std::optional<int> seguidos;
    bool anywhere = false;
    std::uint64_t seed = 1;
    double seconds = 0;
    std::optional<std::string> price;   // euros; else the jornada's, else 0.75
    std::optional<std::string> bets;    // a budget in simple bets
    std::optional<std::string> budget;  // a budget in euros
    std::optional<std::string> minProbability, minContra, minValue;
    std::string jornadaFile;            // beside the programs unless --jornada names one
    bool jornadaNamed = false;
    bool write = false;
    bool force = false;
    std::string betFile;
    bool json = false;
};

// Adds the command and its options to `app`; `options` holds the default
// bet and jornada files.
CLI::App* AddSystemCommand(CLI::App& app, SystemOptions& options);
// The exit code: 0 done; 1 the bet could not be written, --write found a bet
// and no --force, or the system failed its recount; 2 bad input or a system
// refused; 130 interrupted.
int RunSystemCommand(const SystemOptions& options);
