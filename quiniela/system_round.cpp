#include "system_round.h"

#include <iostream>

#include "exit_codes.h"
#include "figure_text.h"
#include "jornada_file.h"
#include "jornada_trouble.h"
#include "system_arguments.h"

namespace {

// "partido 3: the jornada has no public shares", or empty when every match has them.
std::string MatchWithoutPublic(const Jornada& jornada) {
    for (int m = 0; m < RowCount; ++m)
        if (!jornada.matches[m].publicShares)
            return "partido " + std::to_string(m + 1) + ": the jornada has no public shares";
    return "";
}

}  // namespace

std::optional<SystemRound> ReadSystemRound(const std::string& file, bool named, bool needed,
                                           const std::optional<std::string>& price, int& exit) {
    SystemRound round;
    if (price) {
        const auto cents = ParseCents(*price);
        if (!cents) {
            std::cerr << "--price: '" << *price << "' is not an amount in euros\n";
            exit = ExitBadInput;
            return std::nullopt;
        }
        round.priceCents = *cents;
    }
    const JornadaRead read = ReadJornada(file);
    if (read.status == JornadaStatus::Read) round.jornada = read.jornada;
    const JornadaTrouble trouble = TroubleWith(read, file, named);
    if (!trouble.line.empty()) {
        std::cerr << trouble.line << "\n";
        exit = trouble.exit;
        // A missing file that was named is never left out: it was asked for.
        if (needed || read.status == JornadaStatus::Missing) return std::nullopt;
        exit = ExitDone;
    }
    if (!price) round.priceCents = round.jornada ? static_cast<std::uint64_t>(EuroCents(round.jornada->price))
                                                 : static_cast<std::uint64_t>(EuroCents(DefaultPrice));
    if (round.jornada) {
        round.model = ChanceModelOf(*round.jornada);
        round.model->price = static_cast<double>(round.priceCents) / 100;
    }
    return round;
}

std::string MissingForValue(const ValueConditions& value, const SystemRound& round, const std::string& file) {
    const std::string where = " (" + file + ")";
    const auto option = [&]() -> std::string {
        return value.minProbability ? "--min-probability" : value.minContra ? "--min-contra" : "--min-value";
    };
    if (!value.any()) return "";
    if (!round.jornada) return option() + ": needs the jornada's chances, and there is none" + where;
    if (value.minContra || value.minValue) {
        const std::string lacking = MatchWithoutPublic(*round.jornada);
        if (!lacking.empty()) return (value.minContra ? "--min-contra: " : "--min-value: ") + lacking + where;
    }
    if (value.minValue && !round.jornada->takings) return "--min-value: the jornada has no takings" + where;
    if (value.minValue && round.priceCents == 0) return "--min-value: the price of a bet is 0";
    return "";
}
