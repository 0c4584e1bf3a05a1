#pragma once

#include <cstdint>

#include "bet_chances.h"
#include "system_builder.h"
#include "system_options.h"

// What "quiniela system" prints: the system in the format of "show" under
// its comment lines, or JSON.

struct Printed {
    const SystemResult& result;
    const SystemOptions& options;
    std::uint64_t priceCents;
    const BetChances* chances;  // the system's chances over every result, or nullptr
    bool jornada;               // the chances are the jornada's, not 1/3 a sign
};

void PrintText(const Printed& printed);
void PrintJson(const Printed& printed);
