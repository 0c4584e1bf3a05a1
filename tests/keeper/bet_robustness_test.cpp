// The bet file under bad input, concurrent writers, a killed writer and
// failing devices: nothing lost, nothing half-written, every failure said.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
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
#include "temp_folder.h"
#include "locking_process.h"

namespace {

using Cell = std::tuple<int, int, int>;

class BetFileFaults : public testing::Test {
protected:

    std::string Bet() const { return BetFilePath(folder_); }
    std::vector<std::uint8_t> Bytes(const std::string& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<BetRecord> Records(const std::string& path) const {
        const auto bytes = Bytes(path);
        std::vector<BetRecord> records;
        for (std::size_t at = 0; at + BetRecordSize <= bytes.size(); at += BetRecordSize)
            records.push_back(DecodeBetRecord(bytes.data() + at));
        return records;
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
        ASSERT_EQ(Records(again), expected) << "seed " << seed;
    }
}

TEST_F(BetFileFaults, ConcurrentWritersLandWholeRecordsOrSayPermissionDenied) {
    constexpr int Writers = 4;
    constexpr int PerWriter = 150;
    int results[2];
    ASSERT_EQ(pipe(results), 0);
    std::vector<pid_t> children;
    for (int w = 0; w < Writers; ++w) {
        const pid_t pid = fork();
        if (pid == 0) {
            int counts[3] = {0, 0, 0};  // written, refused with 70, other failures
            for (int k = 0; k < PerWriter; ++k) {
                const int error = WriteBetRecord(Bet(), w, k % 3, k % 14);
                ++counts[error == 0 ? 0 : error == 70 ? 1 : 2];
            }
            (void)!write(results[1], counts, sizeof counts);
            _exit(0);
        }
        children.push_back(pid);
    }
    int written = 0, refused = 0, other = 0;
    for (int w = 0; w < Writers; ++w) {
        int counts[3];
        ASSERT_EQ(read(results[0], counts, sizeof counts), static_cast<ssize_t>(sizeof counts));
        written += counts[0];
        refused += counts[1];
        other += counts[2];
    }
    for (pid_t pid : children) waitpid(pid, nullptr, 0);

    EXPECT_EQ(other, 0);
    EXPECT_EQ(written + refused, Writers * PerWriter);
    const auto bytes = Bytes(Bet());
    EXPECT_EQ(bytes.size() % BetRecordSize, 0u);
    const auto records = Records(Bet());
    EXPECT_EQ(static_cast<int>(records.size()), written);
    for (const BetRecord& record : records) {
        EXPECT_TRUE(record.column >= 0 && record.column < Writers);
        EXPECT_TRUE(record.sign >= 0 && record.sign < 3);
        EXPECT_TRUE(record.row >= 0 && record.row < 14);
    }
    EXPECT_EQ(AppendFailureText(70), "Err:  70 Permission denied");
}

TEST_F(BetFileFaults, AWriterKilledMidSaveLeavesOnlyWholeRecords) {
    for (int round = 0; round < 5; ++round) {
        const pid_t pid = fork();
        if (pid == 0) {
            for (int k = 0;; ++k) WriteBetRecord(Bet(), 5, k % 3, k % 14);
        }
        usleep(20000 + 7000 * round);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        EXPECT_EQ(Bytes(Bet()).size() % BetRecordSize, 0u);
    }
    const auto records = Records(Bet());
    EXPECT_GT(records.size(), 0u);
    for (std::size_t k = 0; k < records.size(); ++k) EXPECT_EQ(records[k].column, 5);
}

TEST_F(BetFileFaults, EachFailingPlaceGivesItsErrorNumber) {
    EXPECT_EQ(WriteBetRecord("/dev/full", 0, 0, 0), 61);
    EXPECT_EQ(WriteBetRecord(folder_ + "missing/bet.log", 0, 0, 0), 76);

    ASSERT_EQ(WriteBetRecord(Bet(), 1, 1, 1), 0);
    chmod(Bet().c_str(), 0444);
    EXPECT_EQ(WriteBetRecord(Bet(), 2, 2, 2), 70);
    chmod(Bet().c_str(), 0644);

    {
        LockingProcess other(Bet());
        EXPECT_EQ(WriteBetRecord(Bet(), 3, 0, 3), 70);
    }

    EXPECT_EQ(Records(Bet()), (std::vector<BetRecord>{{1, 1, 1}}));
}
