#pragma once

#include <optional>
#include <string>
#include <vector>

#include "exit_codes.h"
#include "scrutiny.h"

// The bet's commands of "quiniela". Each returns its exit code
// (exit_codes.h): 0 done; 1 a file could not be read or written, or import
// found a bet and no --force; 2 bad input, nothing written. check without a
// result needs the jornada's: 2 when there is none or the jornada is bad, 1
// when it cannot be read.

// The bet's columns with marks, or nothing after telling why on stderr.
std::optional<std::vector<BetColumn>> ReadBet(const std::string& betFile);

int ShowBet(const std::string& betFile, bool json);
// Without a result, the jornada's results; the jornada's prizes, when
// published, add the euros.
int CheckBet(const std::string& betFile, const std::string& jornadaFile, const std::optional<std::string>& result,
             bool json);
// `textFile` empty reads standard input.
int ImportBet(const std::string& betFile, const std::string& textFile, bool force);
// Without a forecast, the signs the bet's columns use on each match.
int GuaranteeOfBet(const std::string& betFile, const std::optional<std::string>& forecast,
                   bool json);
