#pragma once

#include <string>
#include <vector>

#include "coupon_model.h"

// The bet shown page by page: a page is `columnCount` consecutive columns of
// it, page 0 (shown as 1) starting at column 0. The tables' mark table holds
// the page on screen; the bet holds every column. No toolkit.

enum class PageMove { Next, Previous, First, Last };

inline int PageShown(const CouponTables& tables) {
    return tables.columnCount > 0 ? tables.firstColumn / tables.columnCount : 0;
}

// The last page that holds a mark; 0 for a bet without marks.
int LastMarkedPage(const std::vector<MatchSigns>& bet, int perPage);
// Pages as the window tells them: up to the last that holds a mark, or up
// to the page shown when it lies past that.
int PagesToTell(const CouponTables& tables);
// Where a move leads: one page past the last that holds a mark at most (to
// enter a larger bet by hand), never past the bet's last column; "Last" is
// the last page that holds a mark. The page shown when the move goes nowhere.
int PageAfter(const CouponTables& tables, PageMove move);

// Shows `page`: the mark table takes that page's marks from the bet.
void ShowPageMarks(CouponTables& tables, int page);
// The stored bet replaces the marks of every page; `page` is then shown.
void TakeBet(CouponTables& tables, std::vector<MatchSigns> bet, int page);
// Records a mark of a cell of the page on screen in the bet.
void SetBetMark(CouponTables& tables, CellIndex cell, bool marked);
