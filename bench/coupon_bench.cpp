// Inner work of the programs, timed. Run: build/bench/coupon_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "bet_check.h"
#include "bet_file.h"
#include "bet_marks.h"
#include "coupon_drawing.h"
#include "generation.h"
#include "keeper_settings.h"
#include "keeper_window.h"
#include "window_services.h"

namespace {

std::string TempFolder() {
    char pattern[] = "/tmp/coupon-bench-XXXXXX";
    return std::string(mkdtemp(pattern)) + "/";
}

void DrawKeeper16Columns(benchmark::State& state) {
    CouponTables tables;
    ResetCouponTables(tables, 16);
    const SurfaceRef bitmap{NewOffscreenSurface(810, 280), 0};
    for (auto _ : state) {
        ClearPicture(bitmap);
        for (int c = 0; c < 16; ++c) DrawColumn(tables, c, bitmap);
        DrawSignature(bitmap, 345);
    }
}
BENCHMARK(DrawKeeper16Columns)->Unit(benchmark::kMillisecond);

// The same cells without the pause for pending messages between columns.
void DrawKeeper16CellsOnly(benchmark::State& state) {
    CouponTables tables;
    ResetCouponTables(tables, 16);
    const SurfaceRef bitmap{NewOffscreenSurface(810, 280), 0};
    for (int c = 0; c < 16; ++c) DrawColumn(tables, c, bitmap);
    for (auto _ : state) {
        SelectSurface(bitmap, false);
        for (int c = 0; c < 16; ++c)
            for (int s = 0; s < SignCount; ++s)
                for (int r = 0; r < RowCount; ++r) DrawUnmarkedCell(tables.cellTable.at(c, s, r));
    }
}
BENCHMARK(DrawKeeper16CellsOnly)->Unit(benchmark::kMillisecond);

void CheckBet16(benchmark::State& state) {
    CouponApp app;
    int result = 0;
    StartKeeper(app, Keeper16Settings);
    BeginModal(app.window, KeeperHandler(app), &result);
    app.programFolder = TempFolder();
    std::vector<BetRecord> bet;
    for (int c = 0; c < 16; ++c) bet.push_back({c, c % 3, c % 14});
    ReplaceBet(BetFilePath(app.programFolder), bet);
    for (int r = 0; r < 14; ++r) app.tables.resultMarks.at(0, r % 3, r) = 1;
    for (auto _ : state) CheckBetCommand(app);
    std::filesystem::remove_all(app.programFolder);
}
BENCHMARK(CheckBet16)->Unit(benchmark::kMillisecond);

void GenerateReducedSystem(benchmark::State& state) {
    ReducerApp app;
    app.coupon.settings = ReducerSettings;
    app.coupon.programFolder = TempFolder();
    app.coupon.pictureBitmap = NewOffscreenSurface(410, 280);
    FillReductionTable(app.reduction);
    ResetCouponTables(app.coupon.tables, 8);
    for (int r = 0; r < 14; ++r) app.coupon.tables.markTable.at(1, (r + 1) % 3, r) = 1;
    for (auto _ : state) GenerateReduced(app);
    std::filesystem::remove_all(app.coupon.programFolder);
}
BENCHMARK(GenerateReducedSystem)->Unit(benchmark::kMillisecond);

std::string OneMebibyteBet() {
    const std::string folder = TempFolder();
    std::ofstream out(BetFilePath(folder), std::ios::binary);
    for (int k = 0; k < (1 << 20) / BetRecordSize; ++k) {
        const auto bytes = EncodeBetRecord({k % 17, k % 4, k % 15});
        out.write(reinterpret_cast<const char*>(bytes.data()), BetRecordSize);
    }
    return folder;
}

void LoadBetOfOneMebibyte(benchmark::State& state) {
    const std::string folder = OneMebibyteBet();
    BetMarks marks;
    for (auto _ : state) LoadBetMarks(BetFilePath(folder), marks);
    std::filesystem::remove_all(folder);
}
BENCHMARK(LoadBetOfOneMebibyte)->Unit(benchmark::kMillisecond);

// The floor the load is measured against: one open, one read, one close.
void PlainReadOfOneMebibyte(benchmark::State& state) {
    const std::string folder = OneMebibyteBet();
    std::vector<char> buffer(1 << 20);
    for (auto _ : state) {
        const int fd = open(BetFilePath(folder).c_str(), O_RDONLY);
        benchmark::DoNotOptimize(read(fd, buffer.data(), buffer.size()));
        close(fd);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(PlainReadOfOneMebibyte)->Unit(benchmark::kMillisecond);

void SaveBitmap810x280(benchmark::State& state) {
    const std::string folder = TempFolder();
    const Handle surface = NewOffscreenSurface(810, 280);
    SelectSurface(surface, 0, false);
    ClearSurface(0x00FFFFFF);
    for (auto _ : state) benchmark::DoNotOptimize(SaveSurfaceBitmap(folder + "bench.bmp"));
    std::filesystem::remove_all(folder);
}
BENCHMARK(SaveBitmap810x280)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
