#pragma once

// The figures the systems window shows, counted plainly from the stored
// columns: the results within so many misses of a column, each once, and
// the outcomes of a forecast a column reaches. Independent of the chances
// engine and of the window.

#include <QString>

#include <array>
#include <bit>
#include <cmath>
#include <set>
#include <vector>

#include "column_conditions.h"
#include "scrutiny.h"

using SignChances = std::array<std::array<double, 3>, RowCount>;

inline SignChances EverySignAlike() {
    SignChances p{};
    for (auto& match : p) match = {1.0 / 3, 1.0 / 3, 1.0 / 3};
    return p;
}

// The chance that some column hits at least `hits` matches of the result:
// every result within 14 - hits misses of a column, counted once.
inline double AtLeastHitsChance(const std::vector<SimpleColumn>& columns, const SignChances& p, int hits) {
    const int misses = RowCount - hits;
    std::set<SimpleColumn> seen;
    double total = 0;
    for (const SimpleColumn& column : columns) {
        for (unsigned changed = 0; changed < (1u << RowCount); ++changed) {
            const int count = std::popcount(changed);
            if (count > misses) continue;
            // Each changed match takes one of its two other signs.
            for (unsigned pick = 0; pick < (1u << count); ++pick) {
                SimpleColumn result = column;
                int k = 0;
                for (int m = 0; m < RowCount; ++m)
                    if (changed >> m & 1) result[m] = static_cast<std::uint8_t>((column[m] + 1 + (pick >> k++ & 1)) % 3);
                if (!seen.insert(result).second) continue;
                double chance = 1;
                for (int m = 0; m < RowCount; ++m) chance *= p[m][result[m]];
                total += chance;
            }
        }
    }
    return total;
}

// "4,02 %": hundredths of a per cent, rounded half away from zero.
inline QString PerCentShown(double fraction) {
    const long long hundredths = std::llround(fraction * 10000);
    return QStringLiteral("%1,%2 %").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

// "14: a · 13 o más: b · 12 o más: c", as the line "Probabilidades" starts.
inline QString ChancesShown(const std::vector<SimpleColumn>& columns, const SignChances& p) {
    return QStringLiteral("14: %1 · 13 o más: %2 · 12 o más: %3")
        .arg(PerCentShown(AtLeastHitsChance(columns, p, 14)), PerCentShown(AtLeastHitsChance(columns, p, 13)),
             PerCentShown(AtLeastHitsChance(columns, p, 12)));
}

// The stored bet's columns, each one sign a match.
inline std::vector<SimpleColumn> SimpleColumnsOf(const std::vector<BetColumn>& bet) {
    std::vector<SimpleColumn> columns;
    for (const BetColumn& column : bet) {
        SimpleColumn simple{};
        for (int m = 0; m < RowCount; ++m) simple[m] = static_cast<std::uint8_t>(std::countr_zero(static_cast<unsigned>(column.marks[m])));
        columns.push_back(simple);
    }
    return columns;
}
