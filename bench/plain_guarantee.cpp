// The guarantee of a stored bet over the full forecast, counted the plain
// way, as a whole process to time beside "quiniela guarantee".
//   plain_guarantee BETFILE
#include <cstdio>

#include "bet_marks.h"
#include "plain_guarantee.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    BetMarks marks;
    if (LoadBetMarks(argv[1], marks) != 0) return 1;
    MatchSigns forecast;
    forecast.fill(AllSigns);
    const auto best = PlainBestCounts(MarkedColumns(marks), forecast);
    for (int k = RowCount; k >= 0; --k) std::printf("%d %llu\n", k, static_cast<unsigned long long>(best[k]));
    return 0;
}
