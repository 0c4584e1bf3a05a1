#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <tuple>

#include "bet_marks.h"
#include "temp_folder.h"

namespace {

class BetMarksTest : public testing::Test {
protected:
    std::string Bet() const { return BetFilePath(temp_.path()); }
    void WriteBytes(const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(Bet(), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::uint8_t> ReadBytes() const {
        std::ifstream in(Bet(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    TempFolder temp_{"betmarks"};
};

// Any fields, most of them in range, in any order, some repeated.
std::vector<BetRecord> RandomRecords(std::mt19937& random, int count) {
    const auto field = [&](int inRange) {
        const unsigned roll = random() % 40;
        if (roll == 0) return -1 - static_cast<int>(random() % 3);
        if (roll == 1) return inRange + static_cast<int>(random() % 3);
        return static_cast<int>(random() % static_cast<unsigned>(inRange));
    };
    std::vector<BetRecord> records;
    for (int k = 0; k < count; ++k) {
        const int column = random() % 4 ? field(300) : field(MaxBetColumns);
        records.push_back({column, field(SignCount), field(RowCount)});
    }
    return records;
}

TEST_F(BetMarksTest, LoadsExactlyTheRecordsInRange) {
    std::mt19937 random(12);
    for (int round = 0; round < 20; ++round) {
        const auto records = RandomRecords(random, static_cast<int>(random() % 2000));
        std::vector<std::uint8_t> bytes = EncodeBet(records);
        const bool torn = round % 3 == 0 && !bytes.empty();
        if (torn) bytes.resize(bytes.size() - 1 - random() % 11);  // the last record cut short
        WriteBytes(bytes);

        std::set<std::tuple<int, int, int>> expected;
        for (std::size_t k = 0; k + (torn ? 1 : 0) < records.size(); ++k) {
            const BetRecord& r = records[k];
            if (r.column >= 0 && r.column < MaxBetColumns && r.sign >= 0 && r.sign < SignCount && r.row >= 0 &&
                r.row < RowCount)
                expected.insert({r.column, r.sign, r.row});
        }
        BetMarks marks(3);  // replaced, not added to
        marks[1][1] = 4;
        ASSERT_EQ(LoadBetMarks(Bet(), marks), 0);
        const auto loaded = BetRecordsOf(marks);
        using Cell = std::tuple<int, int, int>;
        std::vector<Cell> got;
        for (const BetRecord& r : loaded) got.push_back({r.column, r.sign, r.row});
        // In the saved order, which is that of the set.
        const std::vector<Cell> wanted(expected.begin(), expected.end());
        EXPECT_EQ(got, wanted);
        EXPECT_EQ(marks.size(), expected.empty() ? 0u : std::get<0>(*expected.rbegin()) + 1u);
    }
}

// Files of several read blocks, most of them clean, a few with a fault
// somewhere: a field out of range or a column far past the others.
TEST_F(BetMarksTest, CleanBlocksAndFaultyBlocksLoadAlike) {
    std::mt19937 random(29);
    for (int round = 0; round < 8; ++round) {
        std::vector<BetRecord> records;
        for (int k = 0; k < 100000; ++k)
            records.push_back({static_cast<int>(random() % 6000), static_cast<int>(random() % SignCount),
                               static_cast<int>(random() % RowCount)});
        const auto somewhere = [&] { return records.begin() + random() % records.size(); };
        if (round % 2 == 1) {
            somewhere()->sign = 3;
            somewhere()->row = -1;
            somewhere()->column = MaxBetColumns;
        }
        if (round % 4 >= 2) somewhere()->column = MaxBetColumns - 1 - static_cast<int>(random() % 50000);
        WriteBytes(EncodeBet(records));

        BetMarks expected;
        for (const BetRecord& r : records) {
            if (r.column < 0 || r.column >= MaxBetColumns || r.sign < 0 || r.sign >= SignCount || r.row < 0 ||
                r.row >= RowCount)
                continue;
            if (expected.size() <= static_cast<std::size_t>(r.column)) expected.resize(r.column + 1u);
            expected[r.column][r.row] |= static_cast<SignSet>(1 << r.sign);
        }
        BetMarks marks;
        ASSERT_EQ(LoadBetMarks(Bet(), marks), 0);
        ASSERT_EQ(marks.size(), expected.size()) << "round " << round;
        EXPECT_TRUE(marks == expected) << "round " << round;
    }
}

TEST_F(BetMarksTest, EveryColumnUpToTheLastSurvivesASaveAndLoad) {
    std::vector<BetColumn> columns;
    for (const int c : {0, 15, 16, 17, 999, 65536, MaxBetColumns - 1}) {
        BetColumn column{c, {}};
        for (int r = 0; r < RowCount; ++r) column.marks[r] = static_cast<SignSet>(1 + (c + r) % 7);
        columns.push_back(column);
    }
    const BetMarks marks = BetMarksOf(columns);
    ASSERT_EQ(marks.size(), static_cast<std::size_t>(MaxBetColumns));
    ASSERT_EQ(ReplaceBet(Bet(), BetRecordsOf(marks)).error, 0);
    BetMarks loaded;
    ASSERT_EQ(LoadBetMarks(Bet(), loaded), 0);
    EXPECT_EQ(loaded, marks);
    const auto marked = MarkedColumns(loaded);
    ASSERT_EQ(marked.size(), columns.size());
    for (std::size_t k = 0; k < columns.size(); ++k) {
        EXPECT_EQ(marked[k].column, columns[k].column);
        EXPECT_EQ(marked[k].marks, columns[k].marks);
    }
    // Saved again, the same bytes.
    const auto bytes = ReadBytes();
    ASSERT_EQ(ReplaceBet(Bet(), BetRecordsOf(loaded)).error, 0);
    EXPECT_EQ(ReadBytes(), bytes);
}

TEST_F(BetMarksTest, RecordsGoByColumnThenSignThenRow) {
    std::vector<BetColumn> columns(2);
    columns[0].column = 2;
    columns[0].marks[0] = 2;   // match 1: X
    columns[0].marks[9] = 1;   // match 10: 1
    columns[0].marks[13] = 7;  // match 14: 1X2
    columns[1].column = 0;
    columns[1].marks[4] = 6;  // match 5: X2
    // Worked by hand: column 0 before column 2, and within a column every
    // "1" before any "X", each sign from match 1 down.
    EXPECT_EQ(BetRecordsOf(BetMarksOf(columns)),
              (std::vector<BetRecord>{{0, 1, 4}, {0, 2, 4}, {2, 0, 9}, {2, 0, 13}, {2, 1, 0}, {2, 1, 13}, {2, 2, 13}}));
}

TEST_F(BetMarksTest, ColumnsOutsideTheBetAndEmptyEndsAreDropped) {
    std::vector<BetColumn> columns(4);
    columns[0] = {-1, {1}};
    columns[1] = {MaxBetColumns, {1}};
    columns[2] = {3, {2, 0, 8 | 4}};  // a bit past "2" is no sign
    columns[3] = {7, {}};
    const BetMarks marks = BetMarksOf(columns);
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_EQ(marks[3], (MatchSigns{2, 0, 4}));
    EXPECT_EQ(MarkedColumns(marks).size(), 1u);
    EXPECT_TRUE(BetMarksOf({}).empty());
    EXPECT_TRUE(BetRecordsOf({}).empty());
}

TEST_F(BetMarksTest, AFolderInsteadOfAFileIsAnError) {
    std::filesystem::create_directory(Bet());
    BetMarks marks(2);
    EXPECT_NE(LoadBetMarks(Bet(), marks), 0);
    EXPECT_TRUE(marks.empty());
    EXPECT_NE(LoadBetMarks(temp_ / "no folder/bet.log", marks), 0);
}

}  // namespace
