// Loading a whole bet, side by side with one plain read of the same file.
// Run: build/bin/bet_load_bench
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "bet_marks.h"

namespace {

std::string TempFolder() {
    char pattern[] = "/tmp/bet-load-bench-XXXXXX";
    return std::string(mkdtemp(pattern)) + "/";
}

// The 59,049 columns of the perfect ternary code over matches 1 to 13 (ten
// free matches, three checks), match 14 fixed: 826,686 records, 9.9 MB.
BetMarks PerfectCodeMarks() {
    // Per free match, what its sign adds to each of the three checks: the
    // points of the projective plane over three elements that are not unit
    // vectors.
    constexpr int Checks[10][3] = {{0, 1, 1}, {0, 1, 2}, {1, 0, 1}, {1, 0, 2}, {1, 1, 0},
                                   {1, 1, 1}, {1, 1, 2}, {1, 2, 0}, {1, 2, 1}, {1, 2, 2}};
    BetMarks marks(59049);
    for (int info = 0; info < 59049; ++info) {
        int syndrome[3] = {0, 0, 0};
        for (int j = 0, rest = info; j < 10; ++j, rest /= 3) {
            marks[info][3 + j] = static_cast<SignSet>(1 << (rest % 3));
            for (int i = 0; i < 3; ++i) syndrome[i] += (rest % 3) * Checks[j][i];
        }
        for (int i = 0; i < 3; ++i) marks[info][i] = static_cast<SignSet>(1 << ((3 - syndrome[i] % 3) % 3));
        marks[info][13] = 1;
    }
    return marks;
}

std::string OneMebibyteBet(const std::string& folder) {
    std::ofstream out(BetFilePath(folder), std::ios::binary);
    for (int k = 0; k < (1 << 20) / BetRecordSize; ++k) {
        const auto bytes = EncodeBetRecord({k % 1700, k % 3, k % 14});
        out.write(reinterpret_cast<const char*>(bytes.data()), BetRecordSize);
    }
    return BetFilePath(folder);
}

std::string PerfectCodeBet(const std::string& folder) {
    const std::vector<std::uint8_t> bytes = EncodeBet(BetRecordsOf(PerfectCodeMarks()));
    std::ofstream(BetFilePath(folder), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return BetFilePath(folder);
}

// The floor a load is measured against: one open, one read of the whole
// file, one close.
void PlainRead(benchmark::State& state, const std::string& file) {
    std::vector<char> buffer(std::filesystem::file_size(file));
    for (auto _ : state) {
        const int fd = open(file.c_str(), O_RDONLY);
        benchmark::DoNotOptimize(read(fd, buffer.data(), buffer.size()));
        close(fd);
    }
}

void Load(benchmark::State& state, const std::string& file) {
    BetMarks marks;
    for (auto _ : state) {
        LoadBetMarks(file, marks);
        benchmark::DoNotOptimize(marks.data());
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = TempFolder();
    const std::string small = OneMebibyteBet(folder + "small-");
    const std::string code = PerfectCodeBet(folder);
    benchmark::RegisterBenchmark("LoadBetMarks/1MiB", Load, small)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PlainRead/1MiB", PlainRead, small)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LoadBetMarks/59049columns", Load, code)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PlainRead/59049columns", PlainRead, code)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
