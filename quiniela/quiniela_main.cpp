// quiniela: the stored bet of the keepers from the command line. No toolkit.

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

#include "bet_file.h"
#include "chances_subcommand.h"
#include "commands.h"
#include "jornada.h"
#include "jornada_subcommand.h"
#include "program_folder.h"
#include "result_arguments.h"
#include "system_subcommand.h"

int main(int argc, char** argv) {
    CLI::App app{"The 1X2 bet of keeper16, keeper8, reducer and systems, its systems, the jornada and its chances from the command line."};
    app.require_subcommand(1);

    // The keepers' own bet, next to the executable, unless --bet names another.
    std::string betFile = BetFilePath(ProgramFolder());
    bool json = false;
    bool force = false;
    std::vector<std::string> words;
    std::string textFile;

    const auto addBet = [&](CLI::App* command) {
        command->add_option("--bet", betFile, "bet file")->capture_default_str();
    };
    const auto addJson = [&](CLI::App* command) {
        command->add_flag("--json", json, "print JSON");
    };

    CLI::App* show = app.add_subcommand(
        "show", "Print the stored bet: one line \"NN T1 ... T14\" per column with marks.");
    addBet(show);
    addJson(show);

    CLI::App* check = app.add_subcommand(
        "check", "Check the stored bet against the week's result.");
    check->add_option("RESULT", words,
                      "14 matches of 1, X, 2 or - (not played yet): \"1X21X2111X2X1-\" "
                      "or 14 tokens separated by blanks or commas (default: the jornada's results)");
    std::string checkJornada = JornadaFilePath(ProgramFolder());
    check->add_option("--jornada", checkJornada, "jornada file: results and prizes")->capture_default_str();
    addBet(check);
    addJson(check);

    CLI::App* import = app.add_subcommand(
        "import", "Replace the stored bet with lines in the format of \"show\". "
                  "Input without marks deletes the stored bet.");
    import->add_option("TEXTFILE", textFile, "text to read (default: standard input)")
        ->check(CLI::ExistingFile);
    import->add_flag("--force", force, "replace an existing bet");
    addBet(import);

    CLI::App* guarantee = app.add_subcommand(
        "guarantee", "Print the hits the stored bet is sure of over a forecast.");
    guarantee->add_option("FORECAST", words,
                          "14 sign sets (1, 1X, X2, 1X2, ...) separated by blanks or commas, "
                          "or 14 signs together (default: the signs the bet uses)");
    addBet(guarantee);
    addJson(guarantee);

    // Reduced systems keep their options to themselves.
    SystemOptions systemOptions;
    systemOptions.betFile = betFile;
    systemOptions.jornadaFile = JornadaFilePath(ProgramFolder());
    CLI::App* system = AddSystemCommand(app, systemOptions);

    JornadaOptions jornadaOptions;
    jornadaOptions.file = JornadaFilePath(ProgramFolder());
    CLI::App* jornada = AddJornadaCommand(app, jornadaOptions);

    ChancesOptions chancesOptions;
    chancesOptions.betFile = betFile;
    chancesOptions.jornadaFile = JornadaFilePath(ProgramFolder());
    CLI::App* chances = AddChancesCommand(app, chancesOptions);

    std::vector<std::string> disguised;
    std::vector<char*> arguments = DisguiseResults(argc, argv, disguised);
    try {
        app.parse(static_cast<int>(arguments.size()), arguments.data());
    } catch (const CLI::ParseError& error) {
        // Help is success; every argument error is bad input.
        return app.exit(error) == 0 ? ExitDone : ExitBadInput;
    }

    if (*system) return RunSystemCommand(systemOptions);
    if (*jornada) return RunJornadaCommand(jornadaOptions);
    if (*chances) return RunChancesCommand(chancesOptions);
    if (*show) return ShowBet(betFile, json);
    UndisguiseResults(words);
    if (*check) {
        const auto result = words.empty() ? std::nullopt : std::optional<std::string>(Joined(words));
        return CheckBet(betFile, checkJornada, result, json);
    }
    if (*import) return ImportBet(betFile, textFile, force);
    std::optional<std::string> forecast;
    if (!words.empty()) forecast = Joined(words);
    return GuaranteeOfBet(betFile, forecast, json);
}
