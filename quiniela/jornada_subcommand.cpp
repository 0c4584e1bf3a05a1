#include "jornada_subcommand.h"

#include <CLI/CLI.hpp>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <vector>

#include "bet_file.h"
#include "exit_codes.h"
#include "jornada_document.h"
#include "jornada_edit.h"
#include "jornada_file.h"
#include "jornada_json.h"
#include "jornada_summary.h"
#include "program_folder.h"

namespace {

// A number written whole, as C writes it; nothing for anything else.
std::optional<double> ParseNumber(const std::string& text) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text.front()))) return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// One amount: "0.75" or "0,75".
std::optional<double> ParseAmount(const std::string& option, std::string text) {
    for (char& c : text)
        if (c == ',') c = '.';
    const auto value = ParseNumber(text);
    if (!value) std::cerr << option << ": '" << text << "' is not a number\n";
    return value;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t at = 0;
    for (std::size_t end; (end = text.find(separator, at)) != std::string::npos; at = end + 1)
        parts.push_back(text.substr(at, end - at));
    parts.push_back(text.substr(at));
    return parts;
}

// "A,B,C": the figures of 1, X and 2, with decimal points.
std::optional<SignFigures> ParseThree(const std::string& option, const std::string& text) {
    const auto parts = Split(text, ',');
    SignFigures figures{};
    bool good = parts.size() == SignCount;
    for (std::size_t i = 0; good && i < parts.size(); ++i) {
        const auto value = ParseNumber(parts[i]);
        good = value.has_value();
        if (good) figures[i] = *value;
    }
    if (good) return figures;
    std::cerr << option << ": '" << text << "' is not three numbers A,B,C (1, X and 2)\n";
    return std::nullopt;
}

// "14=16,13=7.5": figures by the hits of their category.
bool ParseCategories(const std::string& option, const std::string& text, std::map<int, double>& figures) {
    constexpr int LowestHits = FirstCategoryHits - PrizeCategories + 1;
    for (const std::string& part : Split(text, ',')) {
        const auto equals = part.find('=');
        const std::string hits = part.substr(0, equals);
        const auto value = equals == std::string::npos ? std::nullopt : ParseNumber(part.substr(equals + 1));
        const bool twoDigits = hits.size() == 2 && std::isdigit(static_cast<unsigned char>(hits[0])) &&
                               std::isdigit(static_cast<unsigned char>(hits[1]));
        const int category = twoDigits ? std::stoi(hits) : 0;
        if (!value || category < LowestHits || category > FirstCategoryHits) {
            std::cerr << option << ": '" << part << "' is not HITS=FIGURE with HITS from 14 down to 10\n";
            return false;
        }
        figures[category] = *value;
    }
    return true;
}

std::optional<SignSet> ParseResult(const std::string& text) {
    if (text == "1") return SignSet{1};
    if (text == "X" || text == "x") return SignSet{2};
    if (text == "2") return SignSet{4};
    if (text == "-") return SignSet{0};
    std::cerr << "--result: '" << text << "' is not 1, X, 2 or - (still to play)\n";
    return std::nullopt;
}

// The options given as changes; false after saying what is wrong.
bool ChangesOf(const JornadaOptions& o, JornadaChanges& changes) {
    changes.round = o.round;
    changes.date = o.date;
    changes.method = o.method;
    const auto amount = [](const char* option, const std::optional<std::string>& text, std::optional<double>& value) {
        return !text || (value = ParseAmount(option, *text)).has_value();
    };
    if (!amount("--price", o.price, changes.price) || !amount("--takings", o.takings, changes.takings) ||
        !amount("--jackpot", o.jackpot, changes.jackpot))
        return false;
    if (o.shares && !ParseCategories("--shares", *o.shares, changes.shares)) return false;
    if (o.prizes && !ParseCategories("--prizes", *o.prizes, changes.prizes)) return false;
    changes.match = o.match;
    MatchChanges& match = changes.matchChanges;
    match.home = o.home;
    match.away = o.away;
    if (o.odds && !(match.odds = ParseThree("--odds", *o.odds))) return false;
    if (o.probabilities && !(match.probabilities = ParseThree("--probabilities", *o.probabilities))) return false;
    if (o.publicShares && !(match.publicShares = ParseThree("--public", *o.publicShares))) return false;
    if (o.result && !(match.result = ParseResult(*o.result))) return false;
    return true;
}

// Why the jornada could not be used, on stderr; the exit code.
int Refusal(JornadaStatus status, const std::string& problem, int error, const std::string& file) {
    switch (status) {
        case JornadaStatus::Missing:
            std::cerr << "No puedo leer fichero ... Fichero NO existe ... (" << file << ")\n";
            return ExitFileFailure;
        case JornadaStatus::Bad: std::cerr << problem << "\n"; return ExitBadInput;
        case JornadaStatus::FileFailure:
        case JornadaStatus::Read: break;
    }
    std::cerr << AppendFailureText(error) << "\n";
    return ExitFileFailure;
}

int Written(const ReplaceOutcome& outcome) {
    if (outcome.error == 0) return ExitDone;
    std::cerr << AppendFailureText(outcome.error) << "\n";
    return ExitFileFailure;
}

int Show(const JornadaOptions& o) {
    const JornadaText read = ReadJornadaText(o.file);
    if (read.status != JornadaStatus::Read) return Refusal(read.status, read.problem, read.error, o.file);
    std::string problem;
    const auto document = ParseJornadaDocument(read.text, problem);
    const auto jornada = document ? JornadaOf(*document, problem) : std::nullopt;
    if (!jornada) return Refusal(JornadaStatus::Bad, problem, 0, o.file);
    if (o.json)
        std::cout << ShownJornadaDocument(*document, *jornada).dump() << "\n";
    else
        std::cout << JornadaSummary(*jornada);
    return ExitDone;
}

int Set(const JornadaOptions& o) {
    JornadaChanges changes;
    if (!ChangesOf(o, changes)) return ExitBadInput;
    const JornadaText read = ReadJornadaText(o.file);
    std::optional<JornadaDocument> document;
    std::string problem;
    if (read.status == JornadaStatus::Missing) {
        document = NewJornadaDocument();
    } else if (read.status == JornadaStatus::Read) {
        // A jornada already wrong is not changed: say what is wrong with it.
        document = ParseJornadaDocument(read.text, problem);
        if (!document || !JornadaOf(*document, problem)) return Refusal(JornadaStatus::Bad, problem, 0, o.file);
    } else {
        return Refusal(read.status, read.problem, read.error, o.file);
    }
    ApplyJornadaChanges(*document, changes);
    if (read.status == JornadaStatus::Missing) document = JornadaKeysInOrder(*document);
    if (!JornadaOf(*document, problem)) return Refusal(JornadaStatus::Bad, problem, 0, o.file);
    return Written(WriteJornadaText(o.file, JornadaDocumentText(*document)));
}

int Import(const JornadaOptions& o) {
    std::string text;
    if (o.input.empty()) {
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else {
        std::ifstream in(o.input, std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), {});
        if (!in.good() && !in.eof()) {
            std::cerr << "cannot read " << o.input << "\n";
            return ExitFileFailure;
        }
    }
    std::string problem;
    if (!ParseJornada(text, problem)) return Refusal(JornadaStatus::Bad, problem, 0, o.file);
    if (!o.force && FileExists(o.file)) {
        std::cerr << "the jornada file exists; use --force to replace it (" << o.file << ")\n";
        return ExitFileFailure;
    }
    // Written as given: its layout and every key it holds stay.
    return Written(WriteJornadaText(o.file, text));
}

}  // namespace

CLI::App* AddJornadaCommand(CLI::App& app, JornadaOptions& o) {
    CLI::App* command = app.add_subcommand("jornada", "Show, change or import the week's round: matches, chances, "
                                                      "the public's shares and the prizes.");
    command->require_subcommand(1);
    const auto addFile = [&o](CLI::App* sub) {
        sub->add_option("--jornada", o.file, "jornada file")->capture_default_str();
    };

    CLI::App* show = command->add_subcommand("show", "Print the jornada in words.");
    show->add_flag("--json", o.json, "print the file's JSON with the chances in use as fractions");
    addFile(show);
    show->callback([&o] { o.action = JornadaAction::Show; });

    CLI::App* set = command->add_subcommand("set", "Change what the options name and keep the rest; "
                                                   "creates the jornada when missing.");
    set->add_option("--round", o.round, "number of the round");
    set->add_option("--date", o.date, "date, as 2026-12-13");
    set->add_option("--price", o.price, "price of a simple bet in euros");
    set->add_option("--takings", o.takings, "takings in euros");
    set->add_option("--jackpot", o.jackpot, "jackpot in euros, added to the 14-hit fund");
    set->add_option("--method", o.method, "odds to chances: multiplicative, additive, power, shin, odds-ratio");
    set->add_option("--shares", o.shares, "per cent of the takings by category: 14=16,13=7.5,...");
    set->add_option("--prizes", o.prizes, "euros a winning simple bet by category: 14=0,13=45213.10,...");
    CLI::Option* match = set->add_option("--match", o.match, "the match the options below change, 1..14")
                             ->check(CLI::Range(1, RowCount));
    set->add_option("--home", o.home, "home team")->needs(match);
    set->add_option("--away", o.away, "away team")->needs(match);
    CLI::Option* odds = set->add_option("--odds", o.odds, "decimal odds of 1, X and 2: A,B,C")->needs(match);
    set->add_option("--probabilities", o.probabilities, "per cent of 1, X and 2: A,B,C")
        ->needs(match)
        ->excludes(odds);
    set->add_option("--public", o.publicShares, "the public's per cent of 1, X and 2: A,B,C")->needs(match);
    set->add_option("--result", o.result, "1, X, 2 or - (still to play)")->needs(match);
    addFile(set);
    set->callback([&o] { o.action = JornadaAction::Set; });

    CLI::App* import = command->add_subcommand("import", "Replace the whole jornada with JSON.");
    import->add_option("FILE", o.input, "JSON to read (default: standard input)")->check(CLI::ExistingFile);
    import->add_flag("--force", o.force, "replace an existing jornada");
    addFile(import);
    import->callback([&o] { o.action = JornadaAction::Import; });
    return command;
}

int RunJornadaCommand(const JornadaOptions& options) {
    switch (options.action) {
        case JornadaAction::Show: return Show(options);
        case JornadaAction::Set: return Set(options);
        case JornadaAction::Import: return Import(options);
        case JornadaAction::None: break;
    }
    return ExitBadInput;
}
