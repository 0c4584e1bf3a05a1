#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "error_codes.h"
#include "locking_process.h"
#include "pending_error.h"
#include "record_file.h"
#include "temp_folder.h"

namespace {

constexpr int Length = 12;

class RecordFile : public testing::Test {
protected:
    void SetUp() override {
        ClearPendingError();
    }
    void TearDown() override {
        for (int n = 1; n <= 8; ++n) CloseFile(n);
    }
    std::string Path(const std::string& name) const { return folder_ + name; }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    TempFolder temp_{"records"};
    std::string folder_ = temp_.path();
};

}  // namespace

TEST_F(RecordFile, OpeningForReadingCreatesAMissingFile) {
    OpenRecordFile(Path("bet.log"), 1, Length);
    EXPECT_EQ(PendingError(), 0);
    EXPECT_EQ(FileLength(1), 0);
    CloseFile(1);
    EXPECT_TRUE(std::filesystem::exists(Path("bet.log")));
}

TEST_F(RecordFile, WholeRecordsAreReadByNumber) {
    Write("thirty", std::string(12, 'a') + std::string(12, 'b') + "abcdef");
    OpenRecordFile(Path("thirty"), 2, Length);
    EXPECT_EQ(FileLength(2), 30);
    std::array<char, 4 * Length> buffer{};
    buffer.fill('?');
    EXPECT_EQ(GetRecords(2, 2, 4, buffer.data()), 1) << "the fragment after it is no record";
    EXPECT_EQ(std::string(buffer.data(), Length), std::string(12, 'b'));
    EXPECT_EQ(GetRecords(2, 1, 1, buffer.data()), 1);
    EXPECT_EQ(std::string(buffer.data(), Length), std::string(12, 'a'));
    EXPECT_EQ(GetRecords(2, 3, 4, buffer.data()), 0);
    EXPECT_EQ(GetRecords(2, 9, 4, buffer.data()), 0);
    EXPECT_EQ(PendingError(), 0);
    EXPECT_EQ(GetRecords(2, 0, 1, buffer.data()), 0);
    EXPECT_EQ(TakePendingError(), ErrorNumber::BadRecordNumber);
}

TEST_F(RecordFile, FileNumberRules) {
    EXPECT_EQ(FreeFileNumber() > 0, true);
    OpenRecordFile(Path("a"), -1, Length);
    EXPECT_EQ(TakePendingError(), ErrorNumber::BadFileNameOrNumber);
    OpenRecordFile(Path("a"), 3, 0);
    EXPECT_EQ(TakePendingError(), ErrorNumber::IllegalFunctionCall);
    OpenRecordFile(Path("a"), 3, 32769);
    EXPECT_EQ(TakePendingError(), ErrorNumber::IllegalFunctionCall);
    OpenRecordFile("", 3, Length);
    EXPECT_EQ(TakePendingError(), ErrorNumber::BadFileName);
    OpenRecordFile(Path("a"), 3, Length);
    EXPECT_EQ(PendingError(), 0);
    OpenRecordFile(Path("b"), 3, Length);
    EXPECT_EQ(TakePendingError(), ErrorNumber::FileIsOpen);
    for (int k = 0; k < 40; ++k) EXPECT_NE(FreeFileNumber(), 3);
    CloseFile(3);
    CloseFile(3);  // not open: ignored
    CloseFile(999);
    EXPECT_EQ(PendingError(), 0);
    EXPECT_EQ(FileLength(3), 0);
    EXPECT_EQ(TakePendingError(), ErrorNumber::BadFileNameOrNumber);
}

TEST_F(RecordFile, AnotherProcessHoldingTheFileRefusesOpenAndDelete) {
    Write("bet.log", std::string(12, 'z'));
    LockingProcess other(Path("bet.log"));
    OpenRecordFile(Path("bet.log"), 4, Length);
    EXPECT_EQ(TakePendingError(), ErrorNumber::PermissionDenied);
    std::array<char, Length> bytes{};
    EXPECT_EQ(GetRecords(4, 1, 1, bytes.data()), 0);
    EXPECT_EQ(TakePendingError(), ErrorNumber::BadFileNameOrNumber) << "the number stayed free";
    DeleteFiles(Path("bet.log"));
    EXPECT_EQ(TakePendingError(), ErrorNumber::PermissionDenied);
    EXPECT_EQ(Read("bet.log"), std::string(12, 'z'));
}

TEST_F(RecordFile, MissingFolderAndTooLongNames) {
    OpenRecordFile(Path("nowhere/bet.log"), 1, Length);
    EXPECT_EQ(TakePendingError(), ErrorNumber::PathNotFound);

    OpenRecordFile(Path(std::string(5000, 'n')), 1, Length);
    EXPECT_EQ(TakePendingError(), ErrorNumber::BadFileName);
}

TEST_F(RecordFile, ReadOnlyIsReadButNotDeletedEvenByRoot) {
    Write("ro", "keep");
    WriteAttributes(Path("ro"), Attribute::ReadOnly | Attribute::Archive);
    EXPECT_EQ(PendingError(), 0);
    EXPECT_EQ(ReadAttributes(Path("ro")), Attribute::ReadOnly | Attribute::Archive);
    OpenRecordFile(Path("ro"), 1, Length);
    EXPECT_EQ(PendingError(), 0);
    CloseFile(1);
    DeleteFiles(Path("ro"));
    EXPECT_EQ(TakePendingError(), ErrorNumber::PermissionDenied);
    EXPECT_EQ(Read("ro"), "keep");

    WriteAttributes(Path("ro"), Attribute::Archive);
    EXPECT_EQ(ReadAttributes(Path("ro")), Attribute::Archive);
    DeleteFiles(Path("ro"));
    EXPECT_EQ(PendingError(), 0);
    EXPECT_FALSE(std::filesystem::exists(Path("ro")));
}

TEST_F(RecordFile, AttributesOfFoldersHiddenAndMissingFiles) {
    EXPECT_EQ(ReadAttributes(folder_) & Attribute::Folder, Attribute::Folder);
    EXPECT_EQ(PendingError(), 0);
    Write(".hidden", "");
    EXPECT_EQ(ReadAttributes(Path(".hidden")) & Attribute::Hidden, Attribute::Hidden);
    EXPECT_EQ(ReadAttributes(Path("missing")), 0);
    EXPECT_EQ(TakePendingError(), ErrorNumber::FileNotFound);
    WriteAttributes(Path("missing"), Attribute::Archive);
    EXPECT_EQ(TakePendingError(), ErrorNumber::FileNotFound);
    EXPECT_EQ(ReadAttributes(Path("*.log")), 0);
    EXPECT_EQ(TakePendingError(), ErrorNumber::BadFileName);
}

TEST_F(RecordFile, WildcardsCountOnlyInTheLastComponent) {
    std::filesystem::create_directory(Path("a*b"));
    Write("a*b/x.log", "x");
    Write("a*b/y.log", "y");
    EXPECT_EQ(ReadAttributes(Path("a*b/y.log")), Attribute::Archive);
    EXPECT_EQ(ReadAttributes(Path("a*b/")), Attribute::Folder);
    EXPECT_EQ(PendingError(), 0);
    ReadAttributes(Path("a*b"));  // the last part is a pattern
    EXPECT_EQ(TakePendingError(), ErrorNumber::BadFileName);
    DeleteFiles(Path("a*b/x.log"));
    EXPECT_EQ(PendingError(), 0);
    EXPECT_FALSE(std::filesystem::exists(Path("a*b/x.log")));
    EXPECT_TRUE(std::filesystem::exists(Path("a*b/y.log")));

    OpenRecordFile(Path("a*b/z.log"), 1, Length);
    EXPECT_EQ(PendingError(), 0);
    CloseFile(1);
    OpenRecordFile(Path("a*b/*.log"), 1, Length);
    EXPECT_EQ(TakePendingError(), ErrorNumber::BadFileName);
}

TEST_F(RecordFile, PatternDeletesOnlyVisibleMatchingFiles) {
    Write("one.log", "");
    Write("two.log", "");
    Write(".three.log", "");
    Write("four.txt", "");
    std::filesystem::create_directory(Path("dir.log"));
    DeleteFiles(Path("*.log"));
    EXPECT_EQ(PendingError(), 0);
    EXPECT_FALSE(std::filesystem::exists(Path("one.log")));
    EXPECT_FALSE(std::filesystem::exists(Path("two.log")));
    EXPECT_TRUE(std::filesystem::exists(Path(".three.log")));
    EXPECT_TRUE(std::filesystem::exists(Path("four.txt")));
    EXPECT_TRUE(std::filesystem::exists(Path("dir.log")));

    DeleteFiles(Path("*.log"));
    EXPECT_EQ(TakePendingError(), ErrorNumber::FileNotFound);
    DeleteFiles(Path("missing"));
    EXPECT_EQ(TakePendingError(), ErrorNumber::FileNotFound);
    DeleteFiles(Path("nowhere/*.log"));
    EXPECT_EQ(TakePendingError(), ErrorNumber::PathNotFound);
    DeleteFiles("");
    EXPECT_EQ(PendingError(), 0);
}

TEST_F(RecordFile, FirstFailingDeletionStops) {
    Write("a.log", "");
    Write("b.log", "");
    Write("c.log", "");
    chmod(Path("b.log").c_str(), 0444);
    DeleteFiles(Path("*.log"));
    EXPECT_EQ(TakePendingError(), ErrorNumber::PermissionDenied);
    EXPECT_FALSE(std::filesystem::exists(Path("a.log")));
    EXPECT_TRUE(std::filesystem::exists(Path("b.log")));
    EXPECT_TRUE(std::filesystem::exists(Path("c.log")));
}
