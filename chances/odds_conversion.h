#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "coupon_model.h"

// One figure per sign, in the order 1, X, 2.
using SignFigures = std::array<double, SignCount>;

// How decimal odds become probabilities, the bookmaker's margin taken out.
enum class OddsMethod { Multiplicative, Additive, Power, Shin, OddsRatio };

// Decimal odds to probabilities, the bookmaker's margin taken out. With
// r_i = 1 / odds_i and S = r_1 + r_X + r_2:
//   multiplicative  p_i = r_i / S
//   additive        p_i = r_i - (S - 1) / 3           (may go negative)
//   power           p_i = r_i^k,                       k with sum 1
//   odds ratio      p_i = r_i / (c - c r_i + r_i),     c with sum 1
//   Shin            p_i = (sqrt(z^2 + 4 (1 - z) r_i^2 / S) - z) / (2 (1 - z)), z with sum 1
// Nothing when a probability would be negative or the odds are not all
// above 1.
std::optional<SignFigures> ConvertOdds(const SignFigures& odds, OddsMethod method);

// "multiplicative", "additive", "power", "shin", "odds-ratio".
std::optional<OddsMethod> OddsMethodNamed(std::string_view name);
const char* OddsMethodName(OddsMethod method);
