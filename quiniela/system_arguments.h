#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "column_conditions.h"

// The figures "quiniela system" reads from its options. Each parser tells
// nothing: the command names the option that was wrong.

// "0.75" or "0,75" euros as cents.
std::optional<std::uint64_t> ParseCents(std::string text);
// A number of bets from 1: digits only.
std::optional<std::uint64_t> ParseBets(const std::string& text);
// A figure of 0 or more as a decimal ("0.000002", "1,5", "2e-6") or a
// fraction ("1/500000").
std::optional<double> ParseFigure(std::string text);
// "A-B" within 0..top, A <= B; empty leaves the range open. False after
// telling why on stderr.
bool ParseRange(const std::string& name, const std::string& text, int top, CountRange& range);
