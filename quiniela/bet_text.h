#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scrutiny.h"

// The stored bet as text, one line per column with marks:
//   "03 1 X2 - 1X2 1 1 1 X 2 2 1 X 1 2"
// the column number 1..100,000 (written with at least two digits, read with
// any), then each match's signs in the order 1, X, 2, or "-" for none.
// "quiniela show" writes it and "quiniela import" reads it.

// "03" for the 0-based column 2, "100" for 99.
std::string ColumnNumberText(int column);
std::string BetColumnLine(const BetColumn& column);
// Every line ends with "\n".
std::string BetText(const std::vector<BetColumn>& columns);

// Blank lines and lines starting with "#" are ignored; each column may appear
// once. On failure `error` reads "line N: ..." and nothing is returned.
std::optional<std::vector<BetColumn>> ParseBetText(std::string_view text, std::string& error);
