#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "column_conditions.h"
#include "scrutiny.h"

// What a bet is sure to hit before the matches are played: over every
// outcome inside a forecast (one forecast sign per match), the best hits of
// the bet's columns. Exact, never sampled.

struct GuaranteeProfile {
    std::uint64_t outcomes = 0;
    std::array<std::uint64_t, RowCount + 1> best{};  // [k]: outcomes whose best column hits k
    int guarantee = 0;                                // the lowest best over all outcomes
};

// Per match, the signs the bet's columns use on it; any sign where no
// column marks the match.
MatchSigns DefaultForecast(const std::vector<BetColumn>& columns);

// Any number of columns. A forecast without a sign on some match has no
// outcome.
GuaranteeProfile Guarantee(const std::vector<BetColumn>& columns, const MatchSigns& forecast);
// Over the outcomes that meet `conditions` only: `outcomes` counts those.
GuaranteeProfile Guarantee(const std::vector<BetColumn>& columns, const MatchSigns& forecast,
                           const ColumnConditions& conditions);

// Over the outcomes of OutcomeSpace(forecast) whose byte in `mask` is 1:
// conditions that no ColumnConditions can say.
GuaranteeProfile Guarantee(const std::vector<BetColumn>& columns, const MatchSigns& forecast,
                           const std::vector<std::uint8_t>& mask);

// Both ways of counting give the same profile: column by column (quickest
// for a few dozen columns) or by distance (a few passes over the outcomes
// whatever the number of columns). Fastest picks one by the bet's size.
enum class GuaranteeEngine { Fastest, Counting, Distance };
GuaranteeProfile Guarantee(const std::vector<BetColumn>& columns, const MatchSigns& forecast,
                           const ColumnConditions& conditions, GuaranteeEngine engine);

// "Garantía: 10 aciertos", the number of outcomes and one line per k from 14
// down to the guarantee with its count and share; UTF-8, lines joined by "\n".
std::string GuaranteeText(const GuaranteeProfile& profile);
