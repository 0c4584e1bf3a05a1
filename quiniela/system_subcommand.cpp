#include "system_subcommand.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <atomic>
#include <chrono>
#include <csignal>
#include <iostream>
#include <nlohmann/json.hpp>

#include "bet_file.h"
#include "bet_marks.h"
#include "bet_text.h"
#include "commands.h"
#include "number_text.h"
#include "program_folder.h"
#include "result_arguments.h"
#include "system_builder.h"
#include "system_text.h"

namespace {

constexpr int ExitInterrupted = 130;

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

// Only SIGINT comes here: the signal number the handler takes is not needed.
extern "C" void OnInterrupt(int) { interrupted.store(true); }

bool ParseNumber(const std::string& text, int& value) {
    if (text.empty() || text.size() > 2) return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// "A-B" within 0..top, A <= B; empty leaves the range open.
bool ParseRange(const std::string& name, const std::string& text, int top, CountRange& range) {
    if (text.empty()) return true;
    const auto dash = text.find('-');
    int low = 0, high = 0;
    if (dash == std::string::npos || !ParseNumber(text.substr(0, dash), low) ||
        !ParseNumber(text.substr(dash + 1), high) || low > high || high > top) {
        std::cerr << "--" << name << ": '" << text << "' is not a range A-B within 0.." << top << "\n";
        return false;
    }
    range = {low, high};
    return true;
}

// "0.75" or "0,75" euros as cents.
std::optional<std::uint64_t> ParseCents(std::string text) {
    for (char& c : text)
        if (c == ',') c = '.';
    const auto point = text.find('.');
    const std::string whole = text.substr(0, point);
    std::string cents = point == std::string::npos ? "" : text.substr(point + 1);
    if (whole.empty() || whole.size() > 6 || cents.size() > 2) return std::nullopt;
    cents.resize(2, '0');
    std::uint64_t value = 0;
    for (const char c : whole + cents) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

std::string Count(std::uint64_t n, const char* one, const char* many) {
    return GroupedNumber(n) + " " + (n == 1 ? one : many);
}

void PrintText(const SystemResult& result, int guarantee, std::uint64_t priceCents) {
    const std::uint64_t bets = result.columns.size();
    std::cout << "# Sistema: " << Count(bets, "apuesta", "apuestas") << ", garantía " << guarantee << " aciertos\n"
              << "# Desarrollo: " << Count(result.full, "apuesta", "apuestas")
              << "; cota inferior: " << GroupedNumber(result.lowerBound) << "\n"
              << "# Importe: " << EuroText(bets * priceCents) << " a " << EuroText(priceCents) << " la apuesta\n";
    const std::string profile = GuaranteeText(result.profile);
    for (std::size_t at = 0; at < profile.size();) {
        const auto end = profile.find('\n', at);
        std::cout << "# " << profile.substr(at, end - at) << "\n";
        at = end == std::string::npos ? profile.size() : end + 1;
    }
    std::cout << BetText(SystemBet(result.columns));
}

void PrintJson(const SystemResult& result, const SystemOptions& options, std::uint64_t priceCents) {
    using Json = nlohmann::ordered_json;
    Json columns = Json::array();
    for (const SimpleColumn& column : result.columns) {
        Json signs = Json::array();
        for (const std::uint8_t sign : column) signs.push_back(std::string(1, "1X2"[sign]));
        columns.push_back(signs);
    }
    Json best = Json::object();
    for (int k = RowCount; k >= 0; --k) best[std::to_string(k)] = result.profile.best[k];
    const Json json = {{"bets", result.columns.size()},
                       {"guarantee", result.profile.guarantee},
                       {"outcomes", result.outcomes},
                       {"full", result.full},
                       {"lower_bound", result.lowerBound},
                       {"cost_cents", result.columns.size() * priceCents},
                       {"seed", options.seed},
                       {"columns", columns},
                       {"profile", {{"guarantee", result.profile.guarantee}, {"best", best}}}};
    std::cout << json.dump() << "\n";
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

}  // namespace

CLI::App* AddSystemCommand(CLI::App& app, SystemOptions& o) {
    CLI::App* command = app.add_subcommand(
        "system", "Build the fewest simple bets that guarantee some hits over a forecast and its conditions.");
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
    command->add_flag("--anywhere", o.anywhere, "take columns anywhere in the forecast, not only those that meet the conditions");
    command->add_option("--seed", o.seed, "seed of the search")->capture_default_str();
    command->add_option("--seconds", o.seconds, "search this long instead of the fixed effort")
        ->check(CLI::NonNegativeNumber);
    command->add_option("--price", o.price, "price of one bet in euros")->capture_default_str();
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
        !ParseRange("interrupciones", options.interrupciones, RowCount - 1, c.interrupciones))
        return ExitBadInput;
    if (options.seguidos) c.seguidosHasta = *options.seguidos;
    const auto priceCents = ParseCents(options.price);
    if (!priceCents) {
        std::cerr << "--price: '" << options.price << "' is not an amount in euros\n";
        return ExitBadInput;
    }
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
    if (options.json)
        PrintJson(result, options, *priceCents);
    else
        PrintText(result, options.guarantee, *priceCents);
    return ExitDone;
}
