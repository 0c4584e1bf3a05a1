// The chances engine's inner work over a full round (4,782,969 results):
// the whole count of a bet, each column played alone (by its walk, or by
// the table of every simple column), and the table itself.
#include <benchmark/benchmark.h>

#include "bet_chances.h"
#include "column_chances.h"
#include "lone_column.h"
#include "single_bet_table.h"

namespace {

// A plausible round: favourites at home, a public that backs them harder.
ChanceModel Round() {
    ChanceModel model;
    const SignFigures chances[] = {{0.50, 0.28, 0.22}, {0.36, 0.30, 0.34}, {0.25, 0.30, 0.45}};
    const SignFigures crowd[] = {{0.65, 0.22, 0.13}, {0.42, 0.28, 0.30}, {0.28, 0.24, 0.48}};
    MatchFigures shares{};
    for (int m = 0; m < RowCount; ++m) {
        model.probabilities[m] = chances[m % 3];
        shares[m] = crowd[(m * 2) % 3];
    }
    model.publicShares = shares;
    model.takings = 2200000;
    return model;
}

// Simple columns spread over the round, the same every time.
std::vector<BetColumn> SimpleColumns(int count) {
    std::vector<BetColumn> columns;
    std::uint64_t state = 12345;
    for (int c = 0; c < count; ++c) {
        BetColumn column{c, {}};
        for (int m = 0; m < RowCount; ++m) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            column.marks[m] = static_cast<SignSet>(1 << (state >> 33) % 3);
        }
        columns.push_back(column);
    }
    return columns;
}

void WholeCount(benchmark::State& state) {
    const ChanceModel model = Round();
    const auto columns = SimpleColumns(static_cast<int>(state.range(0)));
    ChanceControl control;
    control.threads = static_cast<int>(state.range(1));
    for (auto _ : state) benchmark::DoNotOptimize(ChancesOf(columns, model, control));
}
BENCHMARK(WholeCount)->Args({16, 1})->Args({16, 2})->Args({1000, 2})->Args({100000, 2})->Unit(benchmark::kMillisecond);

void LoneColumn(benchmark::State& state) {
    const ChanceModel model = Round();
    const auto columns = SimpleColumns(1);
    for (auto _ : state) benchmark::DoNotOptimize(LoneColumnPrize(columns[0].marks, model));
}
BENCHMARK(LoneColumn)->Unit(benchmark::kMillisecond);

void Table(benchmark::State& state) {
    const ChanceModel model = Round();
    ChanceControl control;
    control.threads = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(SingleBetTable::Build(model, control));
}
BENCHMARK(Table)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void Columns(benchmark::State& state) {
    const ChanceModel model = Round();
    const auto columns = SimpleColumns(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ColumnChancesOf(columns, model));
}
BENCHMARK(Columns)->Arg(16)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
