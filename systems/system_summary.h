#pragma once

#include <cstdint>
#include <string>

#include "system_builder.h"

// What the window says of a system, in Spanish, UTF-8. No toolkit.

inline constexpr int ColumnsPerSlip = 8;

// Slips needed to play the system: eight columns to a slip.
int SlipCount(std::size_t columns);
// "24 apuestas · 18,00 € · garantía 13 aciertos · cota inferior 22 · 3 boletos".
std::string SummaryText(const SystemResult& result, std::uint64_t priceCents);
// The guarantee asked for by the choice's entry: "Directa" 14, "Al 13" 13, ...
int GuaranteeOfChoice(int entry);
