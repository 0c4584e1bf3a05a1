#include "program_folder.h"

#include <unistd.h>

#include <vector>

#include "pending_error.h"
#include "record_file.h"

std::string ProgramFolder() {
    // The link may be longer than any fixed buffer: grow until it fits.
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return "./";
        if (static_cast<std::size_t>(length) < buffer.size()) {
            const std::string path(buffer.data(), static_cast<std::size_t>(length));
            return path.substr(0, path.rfind('/') + 1);
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool FileExists(const std::string& path) {
    ClearPendingError();
    ReadAttributes(path);
    return TakePendingError() == 0;
}
