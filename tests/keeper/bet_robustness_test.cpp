// The bet file under bad input, concurrent saves, a killed writer and
// failing places: nothing lost, nothing half-written, every failure said.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <tuple>
#include <vector>

#include "bet_file.h"
#include "bet_marks.h"
#include "bet_record_file.h"
#include "locking_process.h"
#include "temp_folder.h"

namespace {

using Cell = std::tuple<int, int, int>;

class BetFileFaults : public testing::Test {
protected:

    std::string Bet() const { return BetFilePath(folder_); }
    std::vector<std::uint8_t> Bytes(const std::string& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    TempFolder temp_{"bet-faults"};
    std::string folder_ = temp_.path();
};

std::int32_t RandomField(std::mt19937& random, int usualLimit) {
    switch (random() % 8) {
        case 0: return -static_cast<std::int32_t>(random() % 5) - 1;
        case 1: return static_cast<std::int32_t>(random());  // anything, huge included
        case 2: return INT_MIN;
        case 3: return usualLimit + static_cast<std::int32_t>(random() % 3);  // spare and beyond
        default: return static_cast<std::int32_t>(random() % usualLimit);
    }
}

}  // namespace

TEST_F(BetFileFaults, RandomFilesLoadExactlyTheirInRangeRecords) {
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        std::mt19937 random(seed * 7919u);
        std::vector<std::uint8_t> bytes;
        std::set<Cell> inRange;
        // Now and then a file of several read blocks; columns now and then
        // near the bet's last one.
        const int count = static_cast<int>(seed % 300 == 0 ? 5000 + random() % 90000 : random() % 30);
        const int columns = seed % 7 == 0 ? MaxBetColumns : 16;
        for (int k = 0; k < count; ++k) {
            const BetRecord record{RandomField(random, columns), RandomField(random, 3),
                                   RandomField(random, 14)};
            const auto one = EncodeBetRecord(record);
            bytes.insert(bytes.end(), one.begin(), one.end());
            if (random() % 4 == 0) bytes.insert(bytes.end(), one.begin(), one.end());
            if (record.column >= 0 && record.column < MaxBetColumns && record.sign >= 0 &&
                record.sign < 3 && record.row >= 0 && record.row < 14)
                inRange.insert({record.column, record.sign, record.row});
        }
        for (unsigned k = random() % 12; k > 0; --k)
            bytes.push_back(static_cast<std::uint8_t>(random()));  // a trailing fragment
        {
            std::ofstream out(Bet(), std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
        }

        BetMarks marks;
        ASSERT_EQ(LoadBetMarks(Bet(), marks), 0);
        // Saved again, the bet is its in-range records once each, in order.
        const std::string again = folder_ + "again.log";
        std::filesystem::remove(again);
        ASSERT_EQ(ReplaceBet(again, BetRecordsOf(marks)).error, 0);
        std::vector<BetRecord> expected;
        for (const auto& [c, s, r] : inRange) expected.push_back({c, s, r});
        ASSERT_EQ(ReadBetRecords(again), expected) << "seed " << seed;
    }
}

namespace {

// Writer w's bet: w + 1 records of column w, so that every bet differs.
std::vector<BetRecord> WritersBet(int w, int k) {
    std::vector<BetRecord> records;
    for (int n = 0; n <= w; ++n) records.push_back({w, (k + n) % 3, n});
    return records;
}

}  // namespace

TEST_F(BetFileFaults, ConcurrentSavesLeaveOneWholeBetOrSayPermissionDenied) {
    constexpr int Writers = 4;
    constexpr int PerWriter = 150;
    int results[2];
    ASSERT_EQ(pipe(results), 0);
    std::vector<pid_t> children;
    for (int w = 0; w < Writers; ++w) {
        const pid_t pid = fork();
        if (pid == 0) {
            int counts[3] = {0, 0, 0};  // stored, refused with 70, other failures
            for (int k = 0; k < PerWriter; ++k) {
                const int error = ReplaceBet(Bet(), WritersBet(w, k)).error;
                ++counts[error == 0 ? 0 : error == 70 ? 1 : 2];
            }
            (void)!write(results[1], counts, sizeof counts);
            _exit(0);
        }
        children.push_back(pid);
    }
    int stored = 0, refused = 0, other = 0;
    for (int w = 0; w < Writers; ++w) {
        int counts[3];
        ASSERT_EQ(read(results[0], counts, sizeof counts), static_cast<ssize_t>(sizeof counts));
        stored += counts[0];
        refused += counts[1];
        other += counts[2];
    }
    for (pid_t pid : children) waitpid(pid, nullptr, 0);

    EXPECT_EQ(other, 0);
    EXPECT_GT(stored, 0);
    EXPECT_EQ(stored + refused, Writers * PerWriter);
    // The bet is one writer's, whole.
    const auto records = ReadBetRecords(Bet());
    EXPECT_EQ(Bytes(Bet()).size(), records.size() * BetRecordSize);
    ASSERT_FALSE(records.empty());
    const int w = records.front().column;
    ASSERT_TRUE(w >= 0 && w < Writers);
    bool whole = false;
    for (int k = 0; k < 3; ++k) whole = whole || records == WritersBet(w, k);
    EXPECT_TRUE(whole);
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names, std::set<std::string>{BetFileName}) << "no temporary file left";
}

TEST_F(BetFileFaults, AWriterKilledMidSaveLeavesTheOldBetOrTheNew) {
    const std::vector<BetRecord> small{{5, 0, 0}};
    std::vector<BetRecord> large;
    for (int c = 0; c < 2000; ++c) large.push_back({c, c % 3, c % 14});
    ASSERT_TRUE(AppendBetRecords(Bet(), small));
    for (int round = 0; round < 5; ++round) {
        const pid_t pid = fork();
        if (pid == 0) {
            for (int k = 0;; ++k) ReplaceBet(Bet(), k % 2 ? small : large);
        }
        usleep(20000 + 7000 * round);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        const auto records = ReadBetRecords(Bet());
        EXPECT_TRUE(records == small || records == large) << records.size() << " records";
        EXPECT_EQ(Bytes(Bet()).size(), records.size() * BetRecordSize);
    }
}

TEST_F(BetFileFaults, EachFailingSaveGivesItsErrorNumberAndKeepsTheOldBet) {
    ASSERT_TRUE(AppendBetRecords(Bet(), {{1, 1, 1}}));
    const std::vector<BetRecord> fresh{{2, 2, 2}, {3, 0, 3}};

    EXPECT_EQ(ReplaceBet(folder_ + "missing/bet.log", fresh).error, 76);
    EXPECT_FALSE(std::filesystem::exists(folder_ + "missing"));

    {
        LockingProcess other(Bet());
        const ReplaceOutcome stored = ReplaceBet(Bet(), fresh);
        EXPECT_EQ(stored.error, 70);
        EXPECT_TRUE(stored.held);
        const ReplaceOutcome removed = ReplaceBet(Bet(), {});
        EXPECT_EQ(removed.error, 70);
        EXPECT_TRUE(removed.held);
    }

    chmod(folder_.c_str(), 0555);  // refused even for root
    EXPECT_EQ(ReplaceBet(Bet(), fresh).error, 70);
    chmod(folder_.c_str(), 0755);

    // A disk that fills up mid-save, as a file size limit makes it for one
    // process, root or not.
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{10, 10};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(ReplaceBet(Bet(), fresh).error);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 61);

    EXPECT_EQ(ReadBetRecords(Bet()), (std::vector<BetRecord>{{1, 1, 1}}));
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names, std::set<std::string>{BetFileName}) << "no temporary file left";
}
