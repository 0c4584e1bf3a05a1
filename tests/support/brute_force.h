#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "column_conditions.h"
#include "scrutiny.h"

// Plain enumeration, independent of the engine's numbering, to check it by.

// Every simple column inside the forecast, in the order 1, X, 2 with the last
// match varying fastest.
inline std::vector<SimpleColumn> Development(const MatchSigns& forecast) {
    std::vector<SimpleColumn> all;
    SimpleColumn column{};
    std::function<void(int)> grow = [&](int match) {
        if (match == RowCount) {
            all.push_back(column);
            return;
        }
        for (int s = 0; s < 3; ++s)
            if (forecast[match] & (1 << s)) {
                column[match] = static_cast<std::uint8_t>(s);
                grow(match + 1);
            }
    };
    grow(0);
    return all;
}

// The conditions read off one column's fourteen signs, one by one.
inline bool MeetsConditions(const ColumnConditions& conditions, const SimpleColumn& column) {
    std::array<int, SignCount> count{};
    int changes = 0;
    int run = 1;
    int longest = 1;
    for (int r = 0; r < RowCount; ++r) {
        ++count[column[r]];
        if (r == 0) continue;
        if (column[r] != column[r - 1]) {
            ++changes;
            run = 1;
        } else {
            longest = std::max(longest, ++run);
        }
    }
    return conditions.unos.holds(count[0]) && conditions.equis.holds(count[1]) &&
           conditions.doses.holds(count[2]) && conditions.variantes.holds(count[1] + count[2]) &&
           conditions.interrupciones.holds(changes) && longest <= conditions.seguidosHasta;
}

inline std::vector<SimpleColumn> Conditioned(const MatchSigns& forecast, const ColumnConditions& conditions) {
    std::vector<SimpleColumn> kept;
    for (const SimpleColumn& column : Development(forecast))
        if (MeetsConditions(conditions, column)) kept.push_back(column);
    return kept;
}

inline int Hits(const SimpleColumn& a, const SimpleColumn& b) {
    int hits = 0;
    for (int m = 0; m < RowCount; ++m) hits += a[m] == b[m];
    return hits;
}

// For each outcome, the most hits of any column: [k] counts outcomes whose
// best is k.
inline std::array<std::uint64_t, RowCount + 1> BestHits(const std::vector<SimpleColumn>& outcomes,
                                                        const std::vector<SimpleColumn>& columns) {
    std::array<std::uint64_t, RowCount + 1> best{};
    for (const SimpleColumn& outcome : outcomes) {
        int most = 0;
        for (const SimpleColumn& column : columns) most = std::max(most, Hits(outcome, column));
        ++best[most];
    }
    return best;
}

// The forecast of `triples` triples, then `doubles` doubles "1X", then "1".
inline MatchSigns Shape(int triples, int doubles) {
    MatchSigns forecast{};
    for (int m = 0; m < RowCount; ++m) forecast[m] = m < triples ? 7 : m < triples + doubles ? 3 : 1;
    return forecast;
}
