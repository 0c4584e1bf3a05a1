#include "system_subcommand.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <atomic>
#include <chrono>
#include <csignal>
#include <iostream>

#include "bet_chances.h"
#include "bet_file.h"
#include "bet_marks.h"
#include "exit_codes.h"
#include "number_text.h"
#include "program_folder.h"
#include "result_arguments.h"
#include "round_figures.h"
#include "system_arguments.h"
#include "system_builder.h"
#include "system_output.h"
#include "system_round.h"
#include "system_text.h"

namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

// Only SIGINT comes here: the signal number the handler takes is not needed.
extern "C" void OnInterrupt(int) { interrupted.store(true); }

std::string Count(std::uint64_t n, const char* one, const char* many) {
    return GroupedNumber(n) + " " + (n == 1 ? one : many);
}

// A bar with the best size so far, redrawn in place; only once the search
// has run for a second.
class ProgressLine {
public:
    ProgressLine() : shown_(isatty(STDERR_FILENO) == 1), start_(std::chrono::steady_clock::now()) {}
    ~ProgressLine() {
        if (drawn_) std::cerr << "\r\033[K" << std::flush;
    }
    void operator()(double fraction, std::size_t best) {
        if (!shown_ || std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1)) return;
        const int filled = static_cast<int>(fraction * 30);
        std::cerr << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
                  << std::string(static_cast<std::size_t>(30 - filled), ' ') << "] "
                  << static_cast<int>(fraction * 100) << " %  mejor: " << Count(best, "apuesta", "apuestas")
                  << "\033[K" << std::flush;
        drawn_ = true;
    }

private:
    bool shown_;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point start_;
};

// The conditions of value as typed; false after telling which is wrong.
bool ParseValue(const SystemOptions& o, ValueConditions& value) {
    const auto one = [](const char* name, const std::optional<std::string>& text, std::optional<double>& figure) {
        if (!text) return true;
        figure = ParseFigure(*text);
        if (!figure) std::cerr << name << ": '" << *text << "' is not a figure of 0 or more (0.000002 or 1/500000)\n";
        return figure.has_value();
    };
    return one("--min-probability", o.minProbability, value.minProbability) &&
           one("--min-contra", o.minContra, value.minContra) && one("--min-value", o.minValue, value.minValue);
}

// The bets of a budget: --bets, or the euros of --budget at the price.
bool ParseBudget(const SystemOptions& o, std::uint64_t priceCents, std::uint64_t& bets) {
    if (o.bets) {
        const auto n = ParseBets(*o.bets);
        if (!n) std::cerr << "--bets: '" << *o.bets << "' is not a number of bets from 1\n";
        bets = n.value_or(0);
        return n.has_value();
    }
    if (!o.budget) return true;
    const auto cents = ParseCents(*o.budget);
    if (!cents) {
        std::cerr << "--budget: '" << *o.budget << "' is not an amount in euros\n";
        return false;
    }
    bets = priceCents == 0 ? 0 : *cents / priceCents;
    if (bets == 0)
        std::cerr << "--budget: " << EuroText(*cents) << " does not buy one bet at " << EuroText(priceCents) << "\n";
    return bets > 0;
}

}  // namespace

CLI::App* AddSystemCommand(CLI::App& app, SystemOptions& o) {
    CLI::App* command = app.add_subcommand(
        "system", "Build the fewest simple bets that guarantee some hits over a forecast and its conditions, "
                  "or the bets a budget buys that reach them most often.");
    command->add_option("FORECAST", o.forecast,
                        "14 sign sets (1, 1X, X2, 1X2, ...) separated by blanks or commas, or 14 signs together")
        ->required();
    command->add_option("--guarantee", o.guarantee, "hits guaranteed, 10..14 (14: every column)")
        ->check(CLI::Range(10, 14))
        ->capture_default_str();
    command->add_option("--unos", o.unos, "number of 1, A-B");
    command->add_option("--equis", o.equis, "number of X, A-B");
    command->add_option("--doses", o.doses, "number of 2, A-B");
    command->add_option("--variantes", o.variantes, "number of X and 2 together, A-B");
    command->add_option("--interrupciones", o.interrupciones, "sign changes between neighbours, A-B within 0..13");
    command->add_option("--seguidos", o.seguidos, "longest run of equal signs")->check(CLI::Range(0, 14));
    command->add_option("--min-probability", o.minProbability,
                        "keep columns whose chance of 14 is at least P (0.000002 or 1/500000); needs the jornada");
    command->add_option("--min-contra", o.minContra,
                        "keep columns whose chance of 14 is at least R times the public's; needs the jornada");
    command->add_option("--min-value", o.minValue,
                        "keep columns whose expected prize as a single bet is at least V times the price; "
                        "needs the jornada's takings and public shares");
    CLI::Option* bets = command->add_option(
        "--bets", o.bets, "a budget of at most N bets: those that reach --guarantee hits most often");
    command->add_option("--budget", o.budget, "a budget in euros: as many bets as it buys at the price")->excludes(bets);
    command->add_flag("--anywhere", o.anywhere, "take columns anywhere in the forecast, not only those that meet the conditions");
    command->add_option("--seed", o.seed, "seed of the search")->capture_default_str();
    command->add_option("--seconds", o.seconds, "search this long instead of the fixed effort")
        ->check(CLI::NonNegativeNumber);
    command->add_option("--price", o.price, "price of one bet in euros (default: the jornada's, else 0.75)");
    command->add_option("--jornada", o.jornadaFile, "jornada file: chances, public shares and money")
        ->capture_default_str()
        ->each([&o](const std::string&) { o.jornadaNamed = true; });
    command->add_flag("--write", o.write, "store the system as the bet");
    command->add_flag("--force", o.force, "with --write: replace an existing bet");
    command->add_option("--bet", o.betFile, "bet file")->capture_default_str();
    command->add_flag("--json", o.json, "print JSON");
    return command;
}

int RunSystemCommand(const SystemOptions& options) {
    SystemRequest request;
    std::string error;
    const auto forecast = ParseMatchSigns(Joined(options.forecast), true, error);
    if (!forecast) {
        std::cerr << "forecast: " << error << "\n";
        return ExitBadInput;
    }
    request.forecast = *forecast;
    request.guarantee = options.guarantee;
    request.anywhere = options.anywhere;
    request.seed = options.seed;
    request.seconds = options.seconds;
    ColumnConditions& c = request.conditions;
    if (!ParseRange("unos", options.unos, RowCount, c.unos) || !ParseRange("equis", options.equis, RowCount, c.equis) ||
        !ParseRange("doses", options.doses, RowCount, c.doses) ||
        !ParseRange("variantes", options.variantes, RowCount, c.variantes) ||
        !ParseRange("interrupciones", options.interrupciones, RowCount - 1, c.interrupciones) ||
        !ParseValue(options, request.value))
        return ExitBadInput;
    if (options.seguidos) c.seguidosHasta = *options.seguidos;

    const bool budget = options.bets || options.budget;
    int exit = ExitDone;
    const auto round = ReadSystemRound(options.jornadaFile, options.jornadaNamed, budget || request.value.any(),
                                       options.price, exit);
    if (!round) return exit;
    if (!ParseBudget(options, round->priceCents, request.budgetBets)) return ExitBadInput;
    if (const std::string missing = MissingForValue(request.value, *round, options.jornadaFile); !missing.empty()) {
        std::cerr << missing << "\n";
        return ExitBadInput;
    }
    if (round->model) request.round = RoundFiguresOf(*round->model);
    if (options.write && !options.force && FileExists(options.betFile)) {
        std::cerr << "the bet file exists; use --force to replace it (" << options.betFile << ")\n";
        return ExitFileFailure;
    }

    interrupted = false;
    const auto previous = std::signal(SIGINT, OnInterrupt);
    SystemResult result;
    {
        ProgressLine line;
        result = BuildSystem(request, {&interrupted, std::ref(line)});
    }
    std::signal(SIGINT, previous);
    if (result.failure == SystemFailure::Cancelled) {
        std::cerr << SystemFailureText(result) << "\n";
        return ExitInterrupted;
    }
    if (result.failure != SystemFailure::None) {
        std::cerr << SystemFailureText(result) << "\n";
        return result.failure == SystemFailure::Unverified ? ExitFileFailure : ExitBadInput;
    }

    // The system's own chances over every result, not only S; the window
    // and "quiniela chances" count the same.
    std::optional<BetChances> chances;
    if (round->model || options.json) {
        ChanceModel model = round->model ? *round->model : UniformChanceModel();
        model.price = static_cast<double>(round->priceCents) / 100;
        chances = ChancesOf(SystemBet(result.columns), model);
    }
    if (options.write) {
        const ReplaceOutcome outcome = ReplaceBet(options.betFile, BetRecordsOf(BetMarksOf(SystemBet(result.columns))));
        if (outcome.held) {
            std::cerr << "No se ha podido borrar el fichero ... (" << options.betFile << ")\n";
            return ExitFileFailure;
        }
        if (outcome.error != 0) {
            std::cerr << AppendFailureText(outcome.error) << "\n";
            return ExitFileFailure;
        }
    }
    const Printed printed{result, options, round->priceCents, chances ? &*chances : nullptr, round->model.has_value()};
    if (options.json)
        PrintJson(printed);
    else
        PrintText(printed);
    return ExitDone;
}
