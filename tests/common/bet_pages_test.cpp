#include "bet_pages.h"

#include <gtest/gtest.h>

#include "bet_marks.h"
#include "picture_marking.h"

namespace {

CouponTables BetOfColumns(int columns, int perPage = 16) {
    CouponTables tables;
    ResetCouponTables(tables, perPage);
    std::vector<MatchSigns> bet(static_cast<std::size_t>(columns));
    if (columns > 0) bet.back()[13] = 4;  // only the last column decides
    TakeBet(tables, std::move(bet), 0);
    return tables;
}

// Every move from every page up to two past the last marked one.
void ExpectMoves(int columns, int lastMarked) {
    SCOPED_TRACE(columns);
    CouponTables tables = BetOfColumns(columns);
    EXPECT_EQ(LastMarkedPage(tables.bet, 16), lastMarked);
    for (int page = 0; page <= lastMarked + 1; ++page) {
        ShowPageMarks(tables, page);
        EXPECT_EQ(PageAfter(tables, PageMove::Next), std::min(page + 1, lastMarked + 1));
        EXPECT_EQ(PageAfter(tables, PageMove::Previous), std::max(page - 1, 0));
        EXPECT_EQ(PageAfter(tables, PageMove::First), 0);
        EXPECT_EQ(PageAfter(tables, PageMove::Last), lastMarked);
        EXPECT_EQ(PagesToTell(tables), std::max(lastMarked, page) + 1);
    }
}

}  // namespace

TEST(BetPages, MovesReachOnePastTheLastMarkedPageAndNoFurther) {
    ExpectMoves(0, 0);
    ExpectMoves(16, 0);
    ExpectMoves(17, 1);
    ExpectMoves(40, 2);
}

TEST(BetPages, TheBetsLastColumnEndsThePages) {
    CouponTables tables = BetOfColumns(MaxBetColumns);
    const int last = (MaxBetColumns - 1) / 16;
    ShowPageMarks(tables, last);
    EXPECT_EQ(tables.firstColumn, last * 16);
    EXPECT_EQ(PageAfter(tables, PageMove::Next), last);
    EXPECT_EQ(tables.markTable.at((MaxBetColumns - 1) % 16, 2, 13), 1);
}

TEST(BetPages, MarksOfLaterPagesGoToTheBetButNeverToTheResult) {
    CouponTables tables = BetOfColumns(0, 8);
    ShowPageMarks(tables, 2);
    EXPECT_EQ(ToggleMark(tables, {0, 1, 5}), 1);
    EXPECT_EQ(ToggleMark(tables, {7, 0, 13}), 1);
    EXPECT_EQ(tables.resultMarks.at(0, 1, 5), 0);
    EXPECT_EQ(BetRecordsOf(tables.bet), (std::vector<BetRecord>{{16, 1, 5}, {23, 0, 13}}));

    ShowPageMarks(tables, 0);
    EXPECT_EQ(tables.markTable.at(0, 1, 5), 0);
    EXPECT_EQ(ToggleMark(tables, {0, 1, 5}), 1);
    EXPECT_EQ(tables.resultMarks.at(0, 1, 5), 1);

    ShowPageMarks(tables, 2);
    EXPECT_EQ(tables.markTable.at(0, 1, 5), 1);
    EXPECT_EQ(ToggleMark(tables, {0, 1, 5}), 0);
    EXPECT_EQ(BetRecordsOf(tables.bet), (std::vector<BetRecord>{{0, 1, 5}, {23, 0, 13}}));
}
