#include "alive_bets.h"

#include <bit>

namespace {

int SignTotal(SignSet signs) { return std::popcount(static_cast<unsigned>(signs & AllSigns)); }

}  // namespace

int PendingMatches(const MatchSigns& result) {
    int pending = 0;
    for (const SignSet signs : result) pending += signs == 0;
    return pending;
}

PrizeCounts AliveBets(const BetColumn& column, const MatchSigns& result) {
    // ways[h]: simple bets with exactly h hits over the matches played, the
    // product of (hitting signs · x + other signs); a match still to be
    // played multiplies every count by its signs, as each may still hit.
    std::array<std::uint64_t, RowCount + 1> ways{};
    ways[0] = 1;
    int pending = 0;
    for (int r = 0; r < RowCount; ++r) {
        const auto marked = static_cast<std::uint64_t>(SignTotal(column.marks[r]));
        if (result[r] == 0) {
            ++pending;
            for (std::uint64_t& count : ways) count *= marked;
            continue;
        }
        const auto hitting = static_cast<std::uint64_t>(SignTotal(column.marks[r] & result[r]));
        for (int h = RowCount; h >= 0; --h) ways[h] = ways[h] * (marked - hitting) + (h > 0 ? ways[h - 1] * hitting : 0);
    }
    PrizeCounts alive{};
    for (int k = 0; k < PrizeCategories; ++k) {
        // Reaching `target` needs at least target - pending hits so far.
        const int target = FirstCategoryHits - k;
        for (int h = target - pending < 0 ? 0 : target - pending; h <= RowCount; ++h) alive[k] += ways[h];
    }
    return alive;
}

PrizeCounts AliveBets(const Scrutiny& scrutiny) {
    PrizeCounts alive{};
    for (const ColumnScrutiny& column : scrutiny.columns) {
        const PrizeCounts one = AliveBets(column.bet, scrutiny.result);
        for (int k = 0; k < PrizeCategories; ++k) alive[k] += one[k];
    }
    return alive;
}
