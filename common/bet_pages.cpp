#include "bet_pages.h"

#include <algorithm>
#include <cctype>

#include "bet_marks.h"

namespace {

bool HoldsMark(const MatchSigns& column) {
    return std::any_of(column.begin(), column.end(), [](SignSet signs) { return signs != 0; });
}

int LastPossiblePage(int perPage) { return (MaxBetColumns - 1) / perPage; }

}  // namespace

int LastMarkedPage(const std::vector<MatchSigns>& bet, int perPage) {
    for (auto c = bet.size(); c-- > 0;)
        if (HoldsMark(bet[c])) return static_cast<int>(c) / perPage;
    return 0;
}

int PagesToTell(const CouponTables& tables) {
    return std::max(LastMarkedPage(tables.bet, tables.columnCount), PageShown(tables)) + 1;
}

int PageAfter(const CouponTables& tables, PageMove move) {
    const int shown = PageShown(tables);
    const int last = LastMarkedPage(tables.bet, tables.columnCount);
    const int furthest = std::min(last + 1, LastPossiblePage(tables.columnCount));
    switch (move) {
        case PageMove::Next: return std::min(shown + 1, std::max(furthest, shown));
        case PageMove::Previous: return std::max(shown - 1, 0);
        case PageMove::First: return 0;
        case PageMove::Last: return last;
    }
    return shown;
}

void ShowPageMarks(CouponTables& tables, int page) {
    tables.firstColumn = page * tables.columnCount;
    for (int c = 0; c < tables.columnCount; ++c) {
        const auto column = static_cast<std::size_t>(tables.firstColumn + c);
        const MatchSigns none{};
        const MatchSigns& signs = column < tables.bet.size() ? tables.bet[column] : none;
        for (int s = 0; s < SignCount; ++s)
            for (int r = 0; r < RowCount; ++r)
                tables.markTable.at(c, s, r) = (signs[r] >> s) & 1;
    }
}

void TakeBet(CouponTables& tables, std::vector<MatchSigns> bet, int page) {
    tables.bet = std::move(bet);
    ShowPageMarks(tables, page);
}

void SetBetMark(CouponTables& tables, CellIndex cell, bool marked) {
    const auto column = static_cast<std::size_t>(tables.firstColumn + cell.column);
    if (column >= tables.bet.size()) {
        if (!marked) return;
        tables.bet.resize(column + 1);
    }
    const auto bit = static_cast<SignSet>(1u << cell.sign);
    SignSet& signs = tables.bet[column][static_cast<std::size_t>(cell.row)];
    signs = static_cast<SignSet>(marked ? signs | bit : signs & ~bit);
}
