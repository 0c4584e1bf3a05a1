#pragma once

#include <optional>
#include <string>

namespace CLI {
class App;
}

// "quiniela chances": the chances and the value of the stored bet over every
// result still possible, from the jornada's probabilities, public and money.

struct ChancesOptions {
    std::string betFile;
    std::string jornadaFile;  // beside the programs unless --jornada names one
    bool jornadaNamed = false;
    std::optional<std::string> result;  // in the notation of "check"
    bool columns = false;
    bool json = false;
};

// Adds the command and its options to `app`; `options` holds the default
// bet and jornada files.
CLI::App* AddChancesCommand(CLI::App& app, ChancesOptions& options);
// The exit code: 0 done; 1 the bet or the jornada could not be read (a
// missing jornada only when named); 2 bad input or a bad jornada.
int RunChancesCommand(ChancesOptions options);
