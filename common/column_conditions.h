#pragma once

#include <array>
#include <cstdint>

#include "coupon_model.h"

// Conditions a simple column may have to meet ("condicionadas"): closed
// ranges over its fourteen signs. Every range starts open.

// One sign per match: 0 = "1", 1 = "X", 2 = "2".
using SimpleColumn = std::array<std::uint8_t, RowCount>;

struct CountRange {
    int low = 0;
    int high = RowCount;
    bool operator==(const CountRange&) const = default;
    bool holds(int n) const { return n >= low && n <= high; }
};

struct ColumnConditions {
    CountRange unos;                          // how many "1"
    CountRange equis;                         // how many "X"
    CountRange doses;                         // how many "2"
    CountRange variantes;                     // how many "X" and "2" together
    CountRange interrupciones{0, RowCount - 1};  // sign changes between neighbours
    int seguidosHasta = RowCount;             // longest run of equal signs
    bool operator==(const ColumnConditions&) const = default;

    // True when some condition leaves a column out.
    bool restricts() const { return !(*this == ColumnConditions{}); }
};
