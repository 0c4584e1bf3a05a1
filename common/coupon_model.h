#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "handles.h"

// The coupon in memory: one record per cell, the marks, and the copy of the
// first column's marks that serves as the week's result.

inline constexpr int SignCount = 3;  // "1", "X", "2"
inline constexpr int RowCount = 14;  // matches

// The signs of one match as bits: 1 = "1", 2 = "X", 4 = "2". In a column, 0
// is a match without a sign; in a result, a match still to be played.
using SignSet = std::uint8_t;
inline constexpr SignSet AllSigns = 7;
using MatchSigns = std::array<SignSet, RowCount>;

struct CouponCell {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    Color markInk = 0;
    Color markFill = 0;
    std::int32_t markFontSize = 0;
    std::array<char, 3> signText{};  // zero-terminated, at most 2 characters
};

struct CellIndex {
    int column = 0;
    int sign = 0;
    int row = 0;
    bool operator==(const CellIndex&) const = default;
};

// A table with one spare slot in every index (column `columns`, sign 3,
// row 14), the column varying fastest, as the files and drawing expect.
template <typename T>
class CouponTable {
public:
    CouponTable() = default;
    explicit CouponTable(int columns) : columns_(columns), slots_((columns + 1) * 4 * 15) {}

    int columns() const { return columns_; }
    bool contains(int c, int s, int r) const {
        return c >= 0 && c <= columns_ && s >= 0 && s <= 3 && r >= 0 && r <= 14;
    }
    T& at(int c, int s, int r) { return slots_[index(c, s, r)]; }
    const T& at(int c, int s, int r) const { return slots_[index(c, s, r)]; }
    T& at(CellIndex i) { return at(i.column, i.sign, i.row); }
    const T& at(CellIndex i) const { return at(i.column, i.sign, i.row); }
    std::size_t size() const { return slots_.size(); }

private:
    std::size_t index(int c, int s, int r) const {
        return static_cast<std::size_t>(c + (columns_ + 1) * (s + 4 * r));
    }
    int columns_ = 0;
    std::vector<T> slots_;
};

// The cell and mark tables hold the page on screen: `columnCount` columns
// from the bet's column `firstColumn`. The whole bet, any number of
// columns, is kept as sign sets, 14 bytes a column.
struct CouponTables {
    int columnCount = 0;
    CouponTable<CouponCell> cellTable;
    CouponTable<std::int32_t> markTable;
    CouponTable<std::int32_t> resultMarks;  // only column 0 is used
    std::vector<MatchSigns> bet;            // per column of the bet; may end in empty columns
    int firstColumn = 0;
};

// Discards the three tables and the bet and creates them again all zero,
// on the first page.
void ResetCouponTables(CouponTables& tables, int columnCount);
