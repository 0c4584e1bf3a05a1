#include "error_codes.h"

#include <cerrno>
#include <map>

namespace {

const std::map<int, const char*>& Texts() {
    static const std::map<int, const char*> texts{
        {0, "No Error"},
        {5, "Illegal function call"},
        {6, "Overflow"},
        {7, "Out of memory"},
        {9, "Subscript/Pointer out of range"},
        {11, "Division by zero"},
        {24, "Device timeout"},
        {51, "Internal error"},
        {52, "Bad file name or number"},
        {53, "File not found"},
        {54, "Bad file mode"},
        {55, "File is open"},
        {57, "Device I/O error"},
        {58, "File already exists"},
        {61, "Disk full"},
        {62, "Input past end"},
        {63, "Bad record number"},
        {64, "Bad file name"},
        {67, "Too many files"},
        {68, "Device unavailable"},
        {69, "Comm error"},
        {70, "Permission denied"},
        {71, "Disk not ready"},
        {72, "Disk media error"},
        {74, "Rename across disks"},
        {75, "Path/file access error"},
        {76, "Path not found"},
        {98, "XPrint Preview error"},
        {99, "Object error"},
        {241, "Global memory corrupt"},
        {242, "String space corrupt"},
    };
    return texts;
}

}  // namespace

std::string ErrorText(int number) {
    if (number > 255) number = 0;
    const auto found = Texts().find(number);
    return found != Texts().end() ? found->second : "";
}

int ErrorFromErrno(int err) {
    using namespace ErrorNumber;
    switch (err) {
        case ENOENT: return FileNotFound;
        case ENOTDIR: return PathNotFound;
        case EMFILE:
        case ENFILE: return TooManyFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EWOULDBLOCK:
        case ETXTBSY:
        case EBUSY: return PermissionDenied;
        case ENOMEM: return OutOfMemory;
        case ENXIO:
        case ENODEV: return DeviceUnavailable;
        case EIO: return DiskMediaError;
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return DiskFull;
        case EINVAL: return IllegalFunctionCall;
        case EBADF: return DeviceIoError;
        case EXDEV: return RenameAcrossDisks;
        case ENAMETOOLONG: return BadFileName;
        default: return PathFileAccessError;
    }
}
