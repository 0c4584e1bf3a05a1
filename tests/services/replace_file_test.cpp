#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "locking_process.h"
#include "replace_file.h"
#include "temp_folder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class ReplaceFile : public testing::Test {
protected:
    void TearDown() override {
        if (mounted_) umount(folder_.c_str());
    }
    std::string Path(const std::string& name) const { return folder_ + name; }
    static Bytes Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Write(const std::string& path, const Bytes& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_))
            names.insert(entry.path().filename().string());
        return names;
    }
    // A tmpfs of `bytes` over the folder, as root can mount; false elsewhere.
    bool MountSmallDisk(int bytes) {
        const std::string size = "size=" + std::to_string(bytes);
        mounted_ = mount("tmpfs", folder_.c_str(), "tmpfs", 0, size.c_str()) == 0;
        return mounted_;
    }

    TempFolder temp_{"replace"};
    std::string folder_ = temp_.path();
    bool mounted_ = false;
};

const Bytes Old{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

TEST_F(ReplaceFile, ReplacesWholeAndKeepsNoTemporaryFile) {
    Write(Path("bet"), Old);
    const Bytes fresh(5000, 0x5A);
    EXPECT_EQ(ReplaceFileWhole(Path("bet"), fresh).error, 0);
    EXPECT_EQ(Read(Path("bet")), fresh);
    EXPECT_EQ(Names(), std::set<std::string>{"bet"});
    struct stat info {};
    ASSERT_EQ(stat(Path("bet").c_str(), &info), 0);
    EXPECT_NE(info.st_mode & S_IRGRP, 0u);  // as a plain create would, not 0600
}

TEST_F(ReplaceFile, ADiskThatFillsMidSaveKeepsTheOldFile) {
    if (!MountSmallDisk(64 * 1024)) GTEST_SKIP() << "cannot mount a tmpfs here";
    Write(Path("bet"), Old);
    // Fill what is left, so that the new contents cannot all be written.
    Write(Path("filler"), Bytes(64 * 1024, 0));
    const ReplaceOutcome outcome = ReplaceFileWhole(Path("bet"), Bytes(20000, 0x77));
    EXPECT_EQ(outcome.error, 61);
    EXPECT_FALSE(outcome.held);
    EXPECT_EQ(Read(Path("bet")), Old);
    EXPECT_EQ(Names(), (std::set<std::string>{"bet", "filler"}));
}

TEST_F(ReplaceFile, EachRefusalLeavesTheOldFileAndSaysWhy) {
    Write(Path("bet"), Old);

    chmod(Path("bet").c_str(), 0444);  // root could write it; the services refuse
    EXPECT_EQ(ReplaceFileWhole(Path("bet"), Bytes{9}).error, 70);
    chmod(Path("bet").c_str(), 0644);

    {
        LockingProcess other(Path("bet"));
        const ReplaceOutcome outcome = ReplaceFileWhole(Path("bet"), Bytes{9});
        EXPECT_EQ(outcome.error, 70);
        EXPECT_TRUE(outcome.held);
    }

    chmod(folder_.c_str(), 0555);
    EXPECT_EQ(ReplaceFileWhole(Path("bet"), Bytes{9}).error, 70);
    chmod(folder_.c_str(), 0755);

    EXPECT_EQ(ReplaceFileWhole(Path("missing/bet"), Bytes{9}).error, 76);
    std::filesystem::create_symlink(Path("missing/bet"), Path("link"));
    EXPECT_EQ(ReplaceFileWhole(Path("link"), Bytes{9}).error, 76);
    EXPECT_TRUE(std::filesystem::is_symlink(Path("link")));

    std::filesystem::create_directory(Path("folder.bmp"));
    EXPECT_NE(ReplaceFileWhole(Path("folder.bmp"), Bytes{9}).error, 0);
    EXPECT_TRUE(std::filesystem::is_directory(Path("folder.bmp")));
    EXPECT_NE(ReplaceFileWhole("/dev/full", Bytes{9}).error, 0);

    EXPECT_EQ(Read(Path("bet")), Old);
    EXPECT_EQ(Names(), (std::set<std::string>{"bet", "folder.bmp", "link"}));
}

TEST_F(ReplaceFile, AReaderSeesTheOldFileOrTheNewNeverAPart) {
    const Bytes small(12 * 3, 0x11);
    const Bytes large(12 * 4000, 0x22);
    Write(Path("bet"), small);
    const pid_t reader = fork();
    ASSERT_GE(reader, 0);
    if (reader == 0) {
        for (int k = 0; k < 3000; ++k) {
            const Bytes seen = Read(Path("bet"));
            if (seen != small && seen != large) _exit(1);
        }
        _exit(0);
    }
    for (int k = 0; k < 300; ++k)
        ASSERT_EQ(ReplaceFileWhole(Path("bet"), k % 2 ? small : large).error, 0);
    int status = 0;
    waitpid(reader, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
