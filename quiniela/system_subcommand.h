#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

// "quiniela system": builds a reduced system for a forecast, prints it in
// the format "quiniela import" reads and optionally stores it as the bet.

struct SystemOptions {
    std::vector<std::string> forecast;  // one word or 14
    int guarantee = 14;
    std::string unos, equis, doses, variantes, interrupciones;  // "A-B"; empty: open
    std::optional<int> seguidos;
    bool anywhere = false;
    std::uint64_t seed = 1;
    double seconds = 0;
    std::string price = "0.75";
    bool write = false;
    bool force = false;
    std::string betFile;
    bool json = false;
};

// Adds the command and its options to `app`; `options.betFile` holds the
// default bet.
CLI::App* AddSystemCommand(CLI::App& app, SystemOptions& options);
// The exit code: 0 done; 1 the bet could not be written, --write found a bet
// and no --force, or the system failed its recount; 2 bad input or a system
// refused; 130 interrupted.
int RunSystemCommand(const SystemOptions& options);
