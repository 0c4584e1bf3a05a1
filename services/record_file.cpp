#include "record_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <map>
#include <vector>

#include "error_codes.h"
#include "pending_error.h"

namespace {

constexpr int MaxRecordLength = 32768;

struct OpenFile {
    int fd = -1;
    int recordLength = 0;
};

std::map<int, OpenFile> openFiles;
int lastHanded = 0;

void Fail(int number) { RaiseError(number); }

std::string FolderPart(const std::string& name) {
    const auto slash = name.rfind('/');
    return slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
}

std::string LastComponent(const std::string& name) {
    const auto slash = name.rfind('/');
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

// Wildcards count only in the last component: "*" is a legal folder name here.
bool HasWildcard(const std::string& name) {
    return LastComponent(name).find_first_of("*?") != std::string::npos;
}

bool BadName(const std::string& name) {
    return name.empty() || name.size() >= PATH_MAX || HasWildcard(name);
}

bool IsHiddenName(const std::string& entry) { return !entry.empty() && entry[0] == '.'; }

// A missing file in a missing folder is "path not found", not "file not found".
int MissingCause(const std::string& name) {
    const std::string folder = FolderPart(name);
    if (folder.empty()) return ErrorNumber::FileNotFound;
    struct stat info {};
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? ErrorNumber::FileNotFound
                                                                      : ErrorNumber::PathNotFound;
}

int OpenErrorFor(const std::string& name, int err) {
    return err == ENOENT ? MissingCause(name) : ErrorFromErrno(err);
}

bool IsReadOnly(const struct stat& info) { return (info.st_mode & S_IWUSR) == 0; }

OpenFile* Find(int number) {
    const auto found = openFiles.find(number);
    return found != openFiles.end() ? &found->second : nullptr;
}

// Reads up to `length` bytes from the start of `record`; fewer at the end of
// the file. A failure stops the read and is left in `error`.
size_t ReadAt(const OpenFile& file, char* out, size_t length, std::int64_t record, int& error) {
    const off_t at = static_cast<off_t>((record - 1) * file.recordLength);
    size_t got = 0;
    while (got < length) {
        const ssize_t n = pread(file.fd, out + got, length - got, at + static_cast<off_t>(got));
        if (n < 0) {
            if (errno == EINTR) continue;
            error = ErrorFromErrno(errno);
            break;
        }
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    return got;
}

// Deletes one file unless another program holds it under the shared lock.
int DeleteOne(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) return OpenErrorFor(path, errno);
    // Root may unlink in a folder marked read-only; the programs must not.
    struct stat folder {};
    const std::string folderPath = FolderPart(path).empty() ? "." : FolderPart(path);
    if (stat(folderPath.c_str(), &folder) == 0 && IsReadOnly(folder))
        return ErrorNumber::PermissionDenied;
    if (S_ISREG(info.st_mode)) {
        if (IsReadOnly(info)) return ErrorNumber::PermissionDenied;
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd >= 0) {
            if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
                const int err = errno;
                close(fd);
                return ErrorFromErrno(err);
            }
            const int result = unlink(path.c_str()) == 0 ? 0 : ErrorFromErrno(errno);
            close(fd);
            return result;
        }
    }
    return unlink(path.c_str()) == 0 ? 0 : ErrorFromErrno(errno);
}

}  // namespace

int FreeFileNumber() {
    for (int tries = 0; tries < MaxFileNumber; ++tries) {
        lastHanded = lastHanded % MaxFileNumber + 1;
        if (!Find(lastHanded)) return lastHanded;
    }
    return 0;
}

void OpenRecordFile(const std::string& name, int number, int recordLength) {
    if (BadName(name)) return Fail(ErrorNumber::BadFileName);
    if (number < 0 || number > MaxFileNumber) return Fail(ErrorNumber::BadFileNameOrNumber);
    if (Find(number)) return Fail(ErrorNumber::FileIsOpen);
    if (recordLength < 1 || recordLength > MaxRecordLength)
        return Fail(ErrorNumber::IllegalFunctionCall);

    const int fd = open(name.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return Fail(OpenErrorFor(name, errno));
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        close(fd);
        return Fail(ErrorFromErrno(err));
    }
    openFiles[number] = OpenFile{fd, recordLength};
}

std::int64_t GetRecords(int number, std::int64_t record, std::int64_t count, void* buffer) {
    OpenFile* file = Find(number);
    if (!file) {
        Fail(ErrorNumber::BadFileNameOrNumber);
        return 0;
    }
    if (record < 1) {
        Fail(ErrorNumber::BadRecordNumber);
        return 0;
    }
    if (count <= 0) return 0;
    const auto length = static_cast<size_t>(count * file->recordLength);
    int error = 0;
    const size_t got = ReadAt(*file, static_cast<char*>(buffer), length, record, error);
    if (error != 0) Fail(error);
    return static_cast<std::int64_t>(got) / file->recordLength;
}

std::int64_t FileLength(int number) {
    OpenFile* file = Find(number);
    if (!file) {
        Fail(ErrorNumber::BadFileNameOrNumber);
        return 0;
    }
    struct stat info {};
    if (fstat(file->fd, &info) != 0 || !S_ISREG(info.st_mode)) return 0;
    return info.st_size;
}

void CloseFile(int number) {
    OpenFile* file = Find(number);
    if (!file) return;
    close(file->fd);
    openFiles.erase(number);
}

int ReadAttributes(const std::string& name) {
    if (HasWildcard(name)) {
        Fail(ErrorNumber::BadFileName);
        return 0;
    }
    struct stat info {};
    if (name.empty() || stat(name.c_str(), &info) != 0) {
        Fail(ErrorNumber::FileNotFound);
        return 0;
    }
    int bits = S_ISDIR(info.st_mode) ? Attribute::Folder : Attribute::Archive;
    if (IsReadOnly(info)) bits |= Attribute::ReadOnly;
    if (IsHiddenName(LastComponent(name))) bits |= Attribute::Hidden;
    return bits;
}

void WriteAttributes(const std::string& name, int bits) {
    if (HasWildcard(name)) return Fail(ErrorNumber::BadFileName);
    struct stat info {};
    if (name.empty() || stat(name.c_str(), &info) != 0) return Fail(OpenErrorFor(name, errno));
    bits &= Attribute::ReadOnly | Attribute::Hidden | Attribute::System | Attribute::Archive;
    const mode_t mode = (bits & Attribute::ReadOnly) ? (info.st_mode & ~S_IWUSR)
                                                      : (info.st_mode | S_IWUSR);
    if (chmod(name.c_str(), mode & 07777) != 0) Fail(ErrorFromErrno(errno));
}

void DeleteFiles(const std::string& fullName) {
    if (fullName.empty()) return;
    std::string name = fullName;
    if (name.back() == '/') name += "*";
    const std::string folder = FolderPart(name);
    const std::string pattern = LastComponent(name);

    std::vector<std::string> matches;
    if (!HasWildcard(name)) {
        struct stat info {};
        if (lstat(name.c_str(), &info) != 0) return Fail(OpenErrorFor(name, errno));
        if (S_ISDIR(info.st_mode) || IsHiddenName(pattern)) return Fail(ErrorNumber::FileNotFound);
        matches.push_back(pattern);
    } else {
        DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
        if (!dir) return Fail(errno == ENOENT ? ErrorNumber::PathNotFound : ErrorFromErrno(errno));
        while (const dirent* entry = readdir(dir)) {
            const std::string entryName = entry->d_name;
            if (IsHiddenName(entryName) || fnmatch(pattern.c_str(), entryName.c_str(), 0) != 0)
                continue;
            struct stat info {};
            if (lstat((folder + entryName).c_str(), &info) == 0 && S_ISDIR(info.st_mode)) continue;
            matches.push_back(entryName);
        }
        closedir(dir);
        std::sort(matches.begin(), matches.end());
    }
    if (matches.empty()) return Fail(ErrorNumber::FileNotFound);
    for (const std::string& match : matches) {
        if (const int error = DeleteOne(folder + match)) return Fail(error);
    }
}
