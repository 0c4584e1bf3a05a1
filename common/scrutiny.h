#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "coupon_model.h"

// The scrutiny of a bet against the week's result: what every column hits
// and how many of its simple bets reach each prize category. No toolkit.

// Categories 1ª to 5ª: 14, 13, 12, 11 and 10 hits.
inline constexpr int PrizeCategories = 5;
inline constexpr int FirstCategoryHits = 14;
using PrizeCounts = std::array<std::uint64_t, PrizeCategories>;  // [0] = 1ª

// A column of the bet that holds at least one mark.
struct BetColumn {
    int column = 0;  // 0-based; shown as column + 1
    MatchSigns marks{};
};

struct ColumnScrutiny {
    BetColumn bet;
    std::uint64_t bets = 0;  // simple bets; 0 when a match has no sign
    int hits = 0;            // matches where a marked sign is a result sign
    int pending = 0;         // matches still to be played
    PrizeCounts prizes{};    // simple bets with exactly 14, 13, ... 10 hits
};

struct Scrutiny {
    MatchSigns result{};
    std::vector<ColumnScrutiny> columns;
    std::uint64_t bets = 0;
    PrizeCounts prizes{};
};

// The columns 0..columnCount-1 of `marks` that hold a mark, in order.
std::vector<BetColumn> BetColumns(const CouponTable<std::int32_t>& marks, int columnCount);
// The result as the first column's marks hold it.
MatchSigns ResultSigns(const CouponTable<std::int32_t>& resultMarks);

// Exact, without listing the simple bets: microseconds even for 14 triples.
ColumnScrutiny ScrutinizeColumn(const BetColumn& column, const MatchSigns& result);
Scrutiny Scrutinize(const std::vector<BetColumn>& columns, const MatchSigns& result);

// "1", "X2", "1X2" (signs in the order 1, X, 2), or "-" for none.
std::string SignsText(SignSet signs);
// "Columna 03: 16 apuestas, hasta 13 aciertos (2ª: 1, 3ª: 4, 4ª: 6, 5ª: 4)" and
// the other forms; UTF-8.
std::string ColumnLine(const ColumnScrutiny& column);
// "Total: 24 apuestas; 3ª: 1, 5ª: 2" or "Total: 24 apuestas, sin premio".
std::string TotalLine(const Scrutiny& scrutiny);

// Fourteen matches written as 14 characters together ("1X21X2111X2X1-") or
// as 14 tokens separated by blanks or commas, a token holding one or more
// signs ("1X"); lower-case x is accepted. "-" is a match without a sign,
// accepted only when `allowNone`. On failure `error` says what is wrong.
std::optional<MatchSigns> ParseMatchSigns(std::string_view text, bool allowNone,
                                          std::string& error);
