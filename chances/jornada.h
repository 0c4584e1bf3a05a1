#pragma once

#include <array>
#include <optional>
#include <string>

#include "odds_conversion.h"
#include "scrutiny.h"

// The week's round ("jornada"): its matches with their teams, the chances of
// each sign (bookmakers' odds or probabilities), the public's share of each
// sign, the takings and the prizes. Read from "1x2 - Jornada.json" beside the
// bet. No toolkit.

inline constexpr const char* JornadaFileName = "1x2 - Jornada.json";

inline std::string JornadaFilePath(const std::string& programFolder) { return programFolder + JornadaFileName; }

// One figure per prize category, [0] = 14 hits down to [4] = 10 hits.
using CategoryFigures = std::array<double, PrizeCategories>;

inline constexpr double DefaultPrice = 0.75;                            // euros a simple bet
inline constexpr CategoryFigures DefaultShares{16, 7.5, 7.5, 7.5, 9};  // per cent of the takings

struct JornadaMatch {
    std::string home;
    std::string away;
    std::optional<SignFigures> odds;           // decimal odds, each > 1
    std::optional<SignFigures> probabilities;  // per cent, as given
    std::optional<SignFigures> publicShares;   // per cent, as given (key "public")
    SignSet result = 0;                        // one sign, or 0 while still to play
};

struct Jornada {
    std::optional<int> round;
    std::string date;
    double price = DefaultPrice;
    std::optional<double> takings;  // euros
    double jackpot = 0;             // euros, added to the 14-hit fund
    CategoryFigures shares = DefaultShares;
    OddsMethod method = OddsMethod::Shin;
    std::array<JornadaMatch, RowCount> matches{};
    std::optional<CategoryFigures> prizes;  // euros a winning simple bet, as published
};

// Per match, the chance of each sign as fractions summing to 1: the odds
// converted by the jornada's method, the probabilities scaled, or 1/3 each
// when the match has neither. A jornada that was read has been checked, so
// the conversion cannot fail here.
std::array<SignFigures, RowCount> MatchProbabilities(const Jornada& jornada);
// The public's shares as fractions summing to 1 per match; nothing unless
// every match has them.
std::optional<std::array<SignFigures, RowCount>> PublicFractions(const Jornada& jornada);
// The results known so far: per match one sign, or 0 while still to play.
MatchSigns JornadaResults(const Jornada& jornada);
