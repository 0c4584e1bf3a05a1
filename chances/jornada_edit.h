#pragma once

#include <map>
#include <optional>
#include <string>

#include "jornada.h"
#include "jornada_json.h"

// Changes to a jornada's document that touch only the keys they name, so
// that everything else in the file, unknown keys included, stays as it was.

struct MatchChanges {
    std::optional<std::string> home;
    std::optional<std::string> away;
    std::optional<SignFigures> odds;           // removes the match's probabilities
    std::optional<SignFigures> probabilities;  // per cent; removes the match's odds
    std::optional<SignFigures> publicShares;   // per cent
    std::optional<SignSet> result;             // 0: still to play ("-")
};

struct JornadaChanges {
    std::optional<int> round;
    std::optional<std::string> date;
    std::optional<double> price;
    std::optional<double> takings;
    std::optional<double> jackpot;
    std::optional<std::string> method;  // as named in the file; checked afterwards
    std::map<int, double> shares;       // by hits, 14 down to 10
    std::map<int, double> prizes;       // by hits, 14 down to 10
    std::optional<int> match;           // 1..14: the match `matchChanges` applies to
    MatchChanges matchChanges;
};

// Applies the changes to a document that JornadaOf accepted; the matches are
// created when it has none. The caller checks the outcome with JornadaOf
// again before writing it.
void ApplyJornadaChanges(JornadaDocument& document, const JornadaChanges& changes);
