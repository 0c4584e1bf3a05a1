#include "column_chances.h"

#include <bit>
#include <cmath>

#include "grid_passes.h"
#include "lone_column.h"
#include "single_bet_table.h"

namespace {

double SignsChance(SignSet signs, const SignFigures& chances) {
    double sum = 0;
    for (int s = 0; s < SignCount; ++s)
        if (signs & (1 << s)) sum += chances[s];
    return sum;
}

bool Simple(const MatchSigns& marks) {
    for (const SignSet signs : marks)
        if (std::popcount(static_cast<unsigned>(signs & AllSigns)) != 1) return false;
    return true;
}

// Results a simple column's walk visits: those within four misses of it.
double NearResults(int toPlay) {
    double near = 0, choose = 1;
    for (int d = 0; d < PrizeCategories && d <= toPlay; ++d) {
        near += choose * (1 << d);
        choose = choose * (toPlay - d) / (d + 1);
    }
    return near;
}

// The table of a full round takes as long as the walks of about 500 simple
// columns (bench/chances_bench: 0.5 s against 1.2 ms a column, both on two
// threads): it pays once the walks would visit about twice as many results
// as the grid holds.
constexpr double TableCellsPerWalkResult = 2.0;

}  // namespace

double ChanceOf14(const MatchSigns& marks, const ChanceModel& model) {
    double chance = 1;
    for (int m = 0; m < RowCount; ++m)
        chance *= model.results[m] != 0 ? ((marks[m] & model.results[m]) ? 1 : 0)
                                        : SignsChance(marks[m], model.probabilities[m]);
    return chance;
}

std::optional<double> PublicChanceOf14(const MatchSigns& marks, const ChanceModel& model) {
    if (!model.publicShares) return std::nullopt;
    double chance = 1;
    for (int m = 0; m < RowCount; ++m) chance *= SignsChance(marks[m], (*model.publicShares)[m]);
    return chance;
}

std::vector<ColumnChances> ColumnChancesOf(const std::vector<BetColumn>& columns, const ChanceModel& model,
                                           const ChanceControl& control) {
    std::optional<SingleBetTable> table;
    if (HasPrizeModel(model)) {
        double simple = 0;
        for (const BetColumn& column : columns) simple += Simple(column.marks);
        int toPlay = 0;
        for (const SignSet result : model.results) toPlay += result == 0;
        const double cells = std::pow(3.0, toPlay);
        if (simple * NearResults(toPlay) > cells * TableCellsPerWalkResult) {
            table = SingleBetTable::Build(model, control);
            if (!table) return {};
        }
    }
    std::vector<ColumnChances> figures(columns.size());
    const bool done = ForEachBlock(columns.size(), control, [&](std::size_t k, int) {
        const MatchSigns& marks = columns[k].marks;
        ColumnChances& one = figures[k];
        one.column = columns[k].column;
        one.probability14 = ChanceOf14(marks, model);
        one.public14 = PublicChanceOf14(marks, model);
        if (one.public14 && *one.public14 > 0) one.contra = one.probability14 / *one.public14;
        if (HasPrizeModel(model))
            one.expectedPrize = table && Simple(marks) ? table->Prize(marks) : LoneColumnPrize(marks, model);
    });
    if (!done) return {};
    return figures;
}
