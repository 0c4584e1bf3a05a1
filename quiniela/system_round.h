#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "chance_model.h"
#include "jornada.h"
#include "value_conditions.h"

// What the jornada brings to "quiniela system": the price of a bet, the
// chances that weigh a budget, the figures the conditions of value need,
// and the model the system's own chances and value are counted by.

struct SystemRound {
    std::optional<Jornada> jornada;     // when there is one and it could be read
    std::optional<ChanceModel> model;   // from it, at the price in use
    std::uint64_t priceCents = 0;
};

// `price`: the euros typed, else the jornada's, else the default. When
// `needed` (a budget, a condition of value) a jornada that cannot be read
// stops the command; otherwise it is told and left out. Nothing after
// telling why on stderr, with `exit` set.
std::optional<SystemRound> ReadSystemRound(const std::string& file, bool named, bool needed,
                                           const std::optional<std::string>& price, int& exit);

// One line naming what a condition of value needs and the round lacks;
// empty when it has all it needs.
std::string MissingForValue(const ValueConditions& value, const SystemRound& round, const std::string& file);
