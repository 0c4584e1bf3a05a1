#include "check_prizes.h"

#include "alive_bets.h"
#include "figure_text.h"
#include "number_text.h"

namespace {

std::uint64_t Saturated(std::uint64_t a, std::uint64_t b, bool multiply) {
    std::uint64_t out = 0;
    const bool overflow = multiply ? __builtin_mul_overflow(a, b, &out) : __builtin_add_overflow(a, b, &out);
    return overflow ? UINT64_MAX : out;
}

std::string Plural(std::uint64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::optional<CheckPrizes> CheckPrizesOf(const Jornada& jornada) {
    if (!jornada.prizes) return std::nullopt;
    CheckPrizes prizes;
    for (int k = 0; k < PrizeCategories; ++k) prizes.prizes[k] = static_cast<std::uint64_t>(EuroCents((*jornada.prizes)[k]));
    prizes.priceCents = static_cast<std::uint64_t>(EuroCents(jornada.price));
    return prizes;
}

std::uint64_t PrizeCentsOf(const PrizeCounts& winners, const PrizeCents& prizes) {
    std::uint64_t cents = 0;
    for (int k = 0; k < PrizeCategories; ++k) cents = Saturated(cents, Saturated(winners[k], prizes[k], true), false);
    return cents;
}

std::uint64_t CostCents(std::uint64_t bets, const CheckPrizes& prizes) {
    return Saturated(bets, prizes.priceCents, true);
}

std::uint64_t Winners(const PrizeCounts& winners) {
    std::uint64_t total = 0;
    for (const std::uint64_t count : winners) total += count;
    return total;
}

std::string CheckColumnLine(const ColumnScrutiny& column, const std::optional<CheckPrizes>& prizes) {
    std::string line = ColumnLine(column);
    if (prizes) line += ", " + EuroText(PrizeCentsOf(column.prizes, prizes->prizes));
    return line;
}

std::string CheckTotalLines(const Scrutiny& scrutiny, const std::optional<CheckPrizes>& prizes) {
    std::string text;
    if (!prizes) {
        text = TotalLine(scrutiny);
    } else {
        const std::uint64_t winners = Winners(scrutiny.prizes);
        text = "Total: " + Plural(scrutiny.bets, "apuesta", "apuestas") + ", " +
               (winners == 0 ? std::string("sin premio")
                             : Plural(winners, "premio", "premios") + ", " +
                                   EuroText(PrizeCentsOf(scrutiny.prizes, prizes->prizes))) +
               " (jugado " + EuroText(CostCents(scrutiny.bets, *prizes)) + ")";
    }
    if (PendingMatches(scrutiny.result) > 0) text += "\n" + AliveLine(AliveBets(scrutiny));
    return text;
}

std::string AliveLine(const PrizeCounts& alive) {
    std::string line = "Vivas: ";
    for (int k = 0; k < PrizeCategories; ++k)
        line += (k > 0 ? " · " : "") + std::to_string(FirstCategoryHits - k) + ": " + std::to_string(alive[k]);
    return line;
}
