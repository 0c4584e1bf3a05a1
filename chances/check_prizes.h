#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "jornada.h"
#include "scrutiny.h"

// What a check of the bet says in euros once the jornada's prizes are
// published, and how many simple bets are still alive during the round:
// the lines shared by "quiniela check" and the keepers' "Comprobar Jugada".

using PrizeCents = std::array<std::uint64_t, PrizeCategories>;  // [0] = 14 hits

struct CheckPrizes {
    PrizeCents prizes{};           // cents a winning simple bet
    std::uint64_t priceCents = 0;  // cents a simple bet
};

// The jornada's prizes and price, each rounded to the cent once; nothing
// until prizes are published.
std::optional<CheckPrizes> CheckPrizesOf(const Jornada& jornada);

// Sums over simple bets, in cents; past 2^64 - 1 they stay there.
std::uint64_t PrizeCentsOf(const PrizeCounts& winners, const PrizeCents& prizes);
std::uint64_t CostCents(std::uint64_t bets, const CheckPrizes& prizes);
// Simple bets with a prize.
std::uint64_t Winners(const PrizeCounts& winners);

// The column's line, ending with its euros when there are prizes:
// "Columna 03: 12 aciertos (3ª categoría), 812,40 €".
std::string CheckColumnLine(const ColumnScrutiny& column, const std::optional<CheckPrizes>& prizes);
// The total line, with prizes "Total: 16 apuestas, 2 premios, 868,60 €
// (jugado 12,00 €)", followed while matches are still to be played by the
// line of AliveLine. No newline at the end.
std::string CheckTotalLines(const Scrutiny& scrutiny, const std::optional<CheckPrizes>& prizes);
// "Vivas: 14: 3 · 13: 12 · 12: 40 · 11: 96 · 10: 160".
std::string AliveLine(const PrizeCounts& alive);
