#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "bet_file.h"
#include "bet_marks.h"
#include "bet_pages.h"
#include "bet_record_file.h"
#include "coupon_model.h"
#include "temp_folder.h"

namespace {

class BetFileTest : public testing::Test {
protected:
    std::string Bet() const { return BetFilePath(folder_); }
    void WriteBytes(const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(Bet(), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::uint8_t> ReadBytes() const {
        std::ifstream in(Bet(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void WriteRecords(const std::vector<BetRecord>& records) {
        std::filesystem::remove(Bet());
        ASSERT_TRUE(AppendBetRecords(Bet(), records));
    }
    // The stored bet as a fresh load reads it back.
    std::vector<BetRecord> Loaded() {
        EXPECT_EQ(LoadBetMarks(Bet(), marks_), 0);
        return BetRecordsOf(marks_);
    }

    TempFolder temp_{"betfile"};
    std::string folder_ = temp_.path();
    BetMarks marks_;
};

}  // namespace

TEST(BetRecordBytes, LittleEndianFieldsInOrder) {
    const auto bytes = EncodeBetRecord({2, 0, 13});
    const std::array<std::uint8_t, 12> expected{2, 0, 0, 0, 0, 0, 0, 0, 13, 0, 0, 0};
    EXPECT_EQ(bytes, expected);
    const auto negative = EncodeBetRecord({-1, 0x01020304, 0});
    EXPECT_EQ(negative[0], 0xFF);
    EXPECT_EQ(negative[3], 0xFF);
    EXPECT_EQ(negative[4], 0x04);
    EXPECT_EQ(negative[7], 0x01);
    // The tests' own reader agrees with the bytes worked out by hand.
    EXPECT_EQ(BetRecordAt(negative.data()), (BetRecord{-1, 0x01020304, 0}));
}

TEST(BetRecordBytes, FailureTextCarriesTheNumberWithItsBlank) {
    EXPECT_EQ(AppendFailureText(70), "Err:  70 Permission denied");
    EXPECT_EQ(AppendFailureText(61), "Err:  61 Disk full");
}

TEST_F(BetFileTest, ReplacingWritesTheRecordsInOrderEvenOverAReadOnlyBet) {
    WriteRecords({{5, 1, 1}, {6, 2, 13}, {9, 0, 0}});
    chmod(Bet().c_str(), 0444);  // made writable first, as before a delete
    ASSERT_EQ(ReplaceBet(Bet(), std::vector<BetRecord>{{0, 1, 0}, {2, 0, 13}}).error, 0);
    const std::vector<std::uint8_t> expected{0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0,
                                             2, 0, 0, 0, 0, 0, 0, 0, 13, 0, 0, 0};
    EXPECT_EQ(ReadBytes(), expected);

    // No records remove the bet, read-only or not.
    chmod(Bet().c_str(), 0444);
    ASSERT_EQ(ReplaceBet(Bet(), {}).error, 0);
    EXPECT_FALSE(std::filesystem::exists(Bet()));
    EXPECT_EQ(ReplaceBet(Bet(), {}).error, 0) << "nothing to remove";
    EXPECT_FALSE(std::filesystem::exists(Bet()));
}

TEST_F(BetFileTest, TrailingFragmentIsIgnoredAndNotSavedAgain) {
    WriteRecords({{1, 1, 1}, {2, 2, 2}});
    auto bytes = ReadBytes();
    bytes.push_back(9);  // a 25-byte file
    WriteBytes(bytes);

    const auto loaded = Loaded();
    EXPECT_EQ(loaded, (std::vector<BetRecord>{{1, 1, 1}, {2, 2, 2}}));
    ASSERT_EQ(ReplaceBet(Bet(), loaded).error, 0);
    EXPECT_EQ(ReadBytes().size(), 24u);
    EXPECT_EQ(ReadBetRecords(Bet()), (std::vector<BetRecord>{{1, 1, 1}, {2, 2, 2}}));
}

TEST_F(BetFileTest, LoadReplacesMarksAndSkipsRecordsOutsideTheBet) {
    marks_.resize(6);
    marks_[5][0] = 1;
    WriteRecords({{3, 0, 0}, {3, 0, 0}, {16, 3, 14}, {17, 0, 0}, {-1, 0, 0}, {0, 4, 0},
                  {0, 0, 15}, {0, 0, -1}, {0x7FFFFFFF, 0, 0}, {0, 2, 13}, {99999, 1, 1},
                  {100000, 0, 0}});
    EXPECT_EQ(Loaded(), (std::vector<BetRecord>{{0, 2, 13}, {3, 0, 0}, {17, 0, 0}, {99999, 1, 1}}));
}

TEST_F(BetFileTest, LoadOfAMissingFileCreatesItEmpty) {
    marks_.resize(2);
    marks_[1][1] = 2;
    EXPECT_EQ(Loaded(), std::vector<BetRecord>{});
    EXPECT_TRUE(std::filesystem::exists(Bet()));
    EXPECT_EQ(std::filesystem::file_size(Bet()), 0u);
}

TEST_F(BetFileTest, TheNinthColumnIsKeeper8sSecondPage) {
    CouponTables eight;
    ResetCouponTables(eight, 8);
    WriteRecords({{7, 2, 13}, {8, 0, 0}, {9, 0, 0}, {15, 2, 13}});
    Loaded();
    // Every cell of the page on screen, as (column, sign, row) of the page.
    const auto shown = [&eight] {
        std::vector<CellIndex> cells;
        for (int c = 0; c < 8; ++c)
            for (int s = 0; s < SignCount; ++s)
                for (int r = 0; r < RowCount; ++r)
                    if (eight.markTable.at(c, s, r) != 0) cells.push_back({c, s, r});
        return cells;
    };
    TakeBet(eight, marks_, 0);
    EXPECT_EQ(shown(), (std::vector<CellIndex>{{7, 2, 13}}));
    ShowPageMarks(eight, 1);
    EXPECT_EQ(shown(), (std::vector<CellIndex>{{0, 0, 0}, {1, 0, 0}, {7, 2, 13}}));
}
