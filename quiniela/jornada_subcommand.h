#pragma once

#include <optional>
#include <string>

namespace CLI {
class App;
}

// "quiniela jornada show | set | import": the week's round kept in the
// jornada file beside the bet.

enum class JornadaAction { None, Show, Set, Import };

struct JornadaOptions {
    JornadaAction action = JornadaAction::None;
    std::string file;  // the jornada file
    bool json = false;
    bool force = false;
    std::string input;  // import: the JSON to read; empty: standard input
    // set: each one given changes its key and nothing else.
    std::optional<int> round;
    std::optional<std::string> date, price, takings, jackpot, method, shares, prizes;
    std::optional<int> match;
    std::optional<std::string> home, away, odds, probabilities, publicShares, result;
};

// Adds the command, its three subcommands and their options to `app`;
// `options.file` holds the default jornada file.
CLI::App* AddJornadaCommand(CLI::App& app, JornadaOptions& options);
// The exit code: 0 done; 1 a file could not be read or written, or import
// found a jornada and no --force; 2 bad input or a bad jornada, nothing
// written.
int RunJornadaCommand(const JornadaOptions& options);
