#include "replace_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

#include "error_codes.h"

namespace {

constexpr mode_t NewFileMode = 0666;  // narrowed by the umask, as open() would

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return ErrorFromErrno(errno);
        }
        if (n == 0) return ErrorNumber::DiskFull;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// The old file, locked for the time of the replacement so that no program of
// the suite opens it meanwhile. fd -1 when there is no old file.
struct OldFile {
    int fd = -1;
    ReplaceOutcome refusal;
    ~OldFile() {
        if (fd >= 0) ::close(fd);
    }
};

void LockOldFile(const std::string& path, OldFile& old) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return;
    // A folder or a device of that name is never replaced by a file.
    if (!S_ISREG(info.st_mode)) {
        old.refusal.error = ErrorFromErrno(EISDIR);
        return;
    }
    if ((info.st_mode & S_IWUSR) == 0) {
        old.refusal.error = ErrorNumber::PermissionDenied;
        return;
    }
    old.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (old.fd >= 0 && ::flock(old.fd, LOCK_EX | LOCK_NB) != 0)
        old.refusal = {ErrorNumber::PermissionDenied, true};
}

// A name that is a link is replaced where it points, as writing through it
// would: a link into a missing folder fails as that folder is missing.
std::string Resolved(std::string path) {
    constexpr int MaxLinks = 40;
    for (int hop = 0; hop < MaxLinks; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::vector<char> target(PATH_MAX);
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return path;
        const std::string pointed(target.data(), static_cast<std::size_t>(length));
        path = pointed.front() == '/' ? pointed : FolderOf(path) + pointed;
    }
    return path;
}

int FolderRefusal(const std::string& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? ErrorNumber::PathNotFound
                                                   : ErrorFromErrno(errno);
    if (!S_ISDIR(info.st_mode)) return ErrorNumber::PathNotFound;
    if ((info.st_mode & S_IWUSR) == 0) return ErrorNumber::PermissionDenied;
    return 0;
}

}  // namespace

ReplaceOutcome ReplaceFileWhole(const std::string& name, std::span<const std::uint8_t> bytes) {
    if (name.empty() || NameOf(name).empty()) return {ErrorNumber::BadFileName, false};
    const std::string path = Resolved(name);
    const std::string folder = FolderOf(path);
    if (const int refusal = FolderRefusal(folder)) return {refusal, false};

    OldFile old;
    LockOldFile(path, old);
    if (old.refusal.error != 0) return old.refusal;

    // Hidden, so that no listing of the folder offers it as a picture or bet.
    std::string pattern = folder + "." + NameOf(path) + ".XXXXXX";
    std::vector<char> scratch(pattern.begin(), pattern.end());
    scratch.push_back(0);
    const int fd = ::mkostemp(scratch.data(), O_CLOEXEC);
    if (fd < 0) return {ErrorFromErrno(errno), false};
    const std::string temporary(scratch.data());

    int error = ::fchmod(fd, NewFileMode & ~CurrentUmask()) == 0 ? 0 : ErrorFromErrno(errno);
    if (error == 0) error = WriteAll(fd, bytes);
    // The rename may reach the disk before the data; a crash must not leave
    // an empty bet in place of the old one.
    if (error == 0 && ::fsync(fd) != 0) error = ErrorFromErrno(errno);
    if (::close(fd) != 0 && error == 0) error = ErrorFromErrno(errno);
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = ErrorFromErrno(errno);
    if (error != 0) ::unlink(temporary.c_str());
    return {error, false};
}
