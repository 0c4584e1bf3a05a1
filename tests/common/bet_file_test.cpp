#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "bet_file.h"
#include "temp_folder.h"
#include "bet_messages.h"
#include "coupon_model.h"

namespace {

class BetFileTest : public testing::Test {
protected:
    void SetUp() override {
        ResetCouponTables(tables_, 16);
    }

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
        std::vector<std::uint8_t> bytes;
        for (const BetRecord& record : records) {
            const auto one = EncodeBetRecord(record);
            bytes.insert(bytes.end(), one.begin(), one.end());
        }
        WriteBytes(bytes);
    }
    int MarkCount() const {
        int count = 0;
        for (int c = 0; c <= 16; ++c)
            for (int s = 0; s <= 3; ++s)
                for (int r = 0; r <= 14; ++r) count += tables_.markTable.at(c, s, r);
        return count;
    }

    TempFolder temp_{"betfile"};
    std::string folder_ = temp_.path();
    CouponTables tables_;
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
    EXPECT_EQ(DecodeBetRecord(negative.data()), (BetRecord{-1, 0x01020304, 0}));
}

TEST(BetRecordBytes, FailureTextCarriesTheNumberWithItsBlank) {
    EXPECT_EQ(AppendFailureText(70), "Err:  70 Permission denied");
    EXPECT_EQ(AppendFailureText(61), "Err:  61 Disk full");
}

TEST_F(BetFileTest, AppendsAfterTheLastWholeRecord) {
    ASSERT_TRUE(AppendBetRecord(Bet(), 0, 1, 0));
    ASSERT_TRUE(AppendBetRecord(Bet(), 2, 0, 13));
    const std::vector<std::uint8_t> expected{0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0,
                                             2, 0, 0, 0, 0, 0, 0, 0, 13, 0, 0, 0};
    EXPECT_EQ(ReadBytes(), expected);
}

TEST_F(BetFileTest, TrailingFragmentIsIgnoredThenOverwritten) {
    WriteRecords({{1, 1, 1}, {2, 2, 2}});
    auto bytes = ReadBytes();
    bytes.push_back(9);  // a 25-byte file
    WriteBytes(bytes);

    LoadBet(tables_, Bet());
    EXPECT_EQ(MarkCount(), 2);
    EXPECT_EQ(tables_.markTable.at(1, 1, 1), 1);
    EXPECT_EQ(tables_.markTable.at(2, 2, 2), 1);

    ASSERT_TRUE(AppendBetRecord(Bet(), 3, 0, 4));
    const auto after = ReadBytes();
    ASSERT_EQ(after.size(), 36u);
    EXPECT_EQ(DecodeBetRecord(after.data() + 24), (BetRecord{3, 0, 4}));
}

TEST_F(BetFileTest, LoadReplacesMarksAndSkipsRecordsOutsideTheTable) {
    tables_.markTable.at(5, 0, 0) = 1;
    WriteRecords({{3, 0, 0}, {3, 0, 0}, {16, 3, 14}, {17, 0, 0}, {-1, 0, 0}, {0, 4, 0},
                  {0, 0, 15}, {0, 0, -1}, {0x7FFFFFFF, 0, 0}, {0, 2, 13}});
    LoadBet(tables_, Bet());
    EXPECT_EQ(tables_.markTable.at(5, 0, 0), 0);
    EXPECT_EQ(tables_.markTable.at(3, 0, 0), 1);
    EXPECT_EQ(tables_.markTable.at(16, 3, 14), 1) << "spare slot";
    EXPECT_EQ(tables_.markTable.at(0, 2, 13), 1);
    EXPECT_EQ(MarkCount(), 3);
}

TEST_F(BetFileTest, LoadOfAMissingFileCreatesItEmpty) {
    tables_.markTable.at(1, 1, 1) = 1;
    LoadBet(tables_, Bet());
    EXPECT_EQ(MarkCount(), 0);
    EXPECT_TRUE(std::filesystem::exists(Bet()));
    EXPECT_EQ(std::filesystem::file_size(Bet()), 0u);
}

TEST_F(BetFileTest, LoadIntoTheEightColumnTable) {
    CouponTables eight;
    ResetCouponTables(eight, 8);
    WriteRecords({{7, 2, 13}, {8, 0, 0}, {9, 0, 0}, {15, 2, 13}});
    LoadBet(eight, Bet());
    EXPECT_EQ(eight.markTable.at(7, 2, 13), 1);
    EXPECT_EQ(eight.markTable.at(8, 0, 0), 1) << "ninth column lands in the spare slot";
    int count = 0;
    for (int c = 0; c <= 8; ++c)
        for (int s = 0; s <= 3; ++s)
            for (int r = 0; r <= 14; ++r) count += eight.markTable.at(c, s, r);
    EXPECT_EQ(count, 2);
}
