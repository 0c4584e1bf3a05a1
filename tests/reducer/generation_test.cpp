#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "bet_file.h"
#include "bet_record_file.h"
#include "generation.h"
#include "surface.h"
#include "temp_folder.h"

namespace {

constexpr int Width = 410;
constexpr int Stride = 1232;

std::vector<std::uint8_t> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class Generation : public testing::Test {
protected:
    TempFolder temp_{"reducer"};

    void SetUp() override {
        app_.coupon.programFolder = temp_.path();
        app_.coupon.settings = ReducerSettings;
        app_.coupon.pictureBitmap = NewOffscreenSurface(Width, 280);
        FillReductionTable(app_.reduction);
        ResetCouponTables(app_.coupon.tables, 8);
    }

    std::string Bet() const { return BetFilePath(app_.coupon.programFolder); }
    std::string Picture() const { return app_.coupon.programFolder + ReducedPictureName; }
    std::vector<BetRecord> Records() const { return ReadBetRecords(Bet()); }
    // The inside colour of cell (c, s, r) in the saved picture, as 0xRRGGBB.
    std::uint32_t SavedCellInside(const std::vector<std::uint8_t>& file, int c, int s, int r) {
        const int x = 15 + 49 * c + 15 * s + 1;
        const int y = 25 + 15 * r + 13;
        const std::size_t at = 54 + std::size_t(279 - y) * Stride + std::size_t(x) * 3;
        return (std::uint32_t(file[at + 2]) << 16) | (std::uint32_t(file[at + 1]) << 8) | file[at];
    }

    ReducerApp app_;
};

}  // namespace

TEST_F(Generation, NoMarksWritesEightColumnsOfOnes) {
    GenerateReduced(app_);
    const auto records = Records();
    ASSERT_EQ(records.size(), 112u);
    for (std::size_t k = 0; k < records.size(); ++k)
        EXPECT_EQ(records[k], (BetRecord{int(k / 14), 0, int(k % 14)}));
    const auto file = Bytes(Picture());
    ASSERT_EQ(file.size(), 345014u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[18], Width & 0xFF);
    EXPECT_EQ(file[19], Width >> 8);
    EXPECT_EQ(file[22], 280 & 0xFF);
    EXPECT_EQ(file[28], 24);
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(SavedCellInside(file, c, 0, 0), 0x87CEFAu);
        EXPECT_EQ(SavedCellInside(file, c, 1, 0), 0xFFFFFFu);
        EXPECT_EQ(SavedCellInside(file, c, 0, 13), 0x87CEFAu);
    }
}

TEST_F(Generation, VariableMatchFollowsTheTableAndReplacesTheOldBet) {
    ASSERT_TRUE(AppendBetRecords(Bet(), {{15, 2, 13}}));
    auto& marks = app_.coupon.tables.markTable;
    marks.at(0, 0, 1) = 1;  // match 2: first "1", second "X"
    marks.at(1, 1, 1) = 1;
    marks.at(0, 2, 0) = 1;  // match 1: fixed "2"
    const auto before = marks.at(1, 1, 1);
    GenerateReduced(app_);
    EXPECT_EQ(marks.at(1, 1, 1), before);

    const auto records = Records();
    ASSERT_EQ(records.size(), 112u);
    const int expected[8] = {0, 0, 1, 1, 2, 2, 0, 0};
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(records[std::size_t(c * 14)], (BetRecord{c, 2, 0}));
        EXPECT_EQ(records[std::size_t(c * 14 + 1)], (BetRecord{c, expected[c], 1}));
    }
    const auto file = Bytes(Picture());
    EXPECT_EQ(SavedCellInside(file, 4, 2, 1), 0x87CEFAu);
    EXPECT_EQ(SavedCellInside(file, 4, 0, 1), 0xFFFFFFu);
    EXPECT_EQ(SavedCellInside(file, 0, 2, 0), 0x87CEFAu);
}

TEST_F(Generation, ReadOnlyOldPictureIsOverwritten) {
    GenerateReduced(app_);
    std::filesystem::permissions(Picture(), std::filesystem::perms::owner_read);
    app_.coupon.tables.markTable.at(0, 1, 3) = 1;
    const auto first = Bytes(Picture());
    GenerateReduced(app_);
    const auto second = Bytes(Picture());
    ASSERT_EQ(second.size(), 345014u);
    EXPECT_NE(first, second);
    EXPECT_EQ(SavedCellInside(second, 0, 1, 3), 0x87CEFAu);
    EXPECT_EQ(Records().size(), 112u);
    EXPECT_EQ(Records()[3], (BetRecord{0, 1, 3}));
}
