#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "scrutiny.h"

// The guarantee counted the plain way, outcome by outcome, column by column
// and match by match: the figure the split into halves is measured against.
inline std::array<std::uint64_t, RowCount + 1> PlainBestCounts(
    const std::vector<BetColumn>& columns, const MatchSigns& forecast) {
    std::array<std::uint64_t, RowCount + 1> best{};
    // Each match steps through its forecast signs, lowest bit first.
    const auto lowest = [](SignSet set) { return static_cast<SignSet>(set & -set); };
    MatchSigns outcome;
    for (int r = 0; r < RowCount; ++r) outcome[r] = lowest(forecast[r]);
    for (;;) {
        int most = 0;
        for (const BetColumn& column : columns) {
            int hits = 0;
            for (int r = 0; r < RowCount; ++r) hits += (column.marks[r] & outcome[r]) != 0;
            most = std::max(most, hits);
        }
        ++best[most];
        int r = RowCount - 1;
        for (; r >= 0; --r) {
            const SignSet rest = static_cast<SignSet>(forecast[r] & ~(outcome[r] * 2 - 1));
            if (rest) {
                outcome[r] = lowest(rest);
                break;
            }
            outcome[r] = lowest(forecast[r]);
        }
        if (r < 0) return best;
    }
}
