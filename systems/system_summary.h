#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "bet_chances.h"
#include "system_builder.h"

// What the window says of a system, in Spanish, UTF-8. No toolkit.

inline constexpr int ColumnsPerSlip = 8;

// Slips needed to play the system: eight columns to a slip.
int SlipCount(std::size_t columns);
// "24 apuestas · 18,00 € · garantía 13 aciertos · cota inferior 22 · 3 boletos".
std::string SummaryText(const SystemResult& result, std::uint64_t priceCents);
// "14: 0,27 % · 13 o más: 4,02 % · 12 o más: 21,50 %", then " · Valor
// esperado 6,80 € (0,38 € por euro)" with the prize model and
// " · Cobertura 61,27 %" for a budget's system.
std::string ChancesLineText(const BetChances& chances, std::optional<double> coverage);
// "Columna 09: 14: 1 entre 1.234.567", then " · contra: 1,62" when there is one.
std::string ColumnChanceText(int columnNumber, double chance14, std::optional<double> contra);
// The guarantee asked for by the choice's entry: "Directa" 14, "Al 13" 13, ...
int GuaranteeOfChoice(int entry);
