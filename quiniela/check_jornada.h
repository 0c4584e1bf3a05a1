#pragma once

#include <optional>
#include <string>

#include "check_prizes.h"

// What the jornada brings to "quiniela check": its results when none is
// typed, and its prizes once published.

struct CheckJornada {
    std::optional<MatchSigns> results;  // when it has any
    std::optional<CheckPrizes> prizes;  // when published
};

// When `resultNeeded`, a jornada that cannot give the results stops the
// check: nothing is returned and `exit` is set, after telling why on
// stderr. Otherwise a jornada that cannot be read is told and left out.
std::optional<CheckJornada> ReadCheckJornada(const std::string& file, bool resultNeeded, int& exit);
