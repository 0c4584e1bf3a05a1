// Saving the selected surface as a 24-bit bitmap file.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "bmp_encoder.h"
#include "surface.h"
#include "surface_state.h"

namespace {

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    ssize_t written;
    do {
        written = ::write(fd, data, size);
    } while (written < 0 && errno == EINTR);
    return written >= 0 && static_cast<std::size_t>(written) == size;
}

// A file whose owner may not write it stays untouched, even for root, whom
// the kernel would let through.
bool MarkedReadOnly(const char* path) {
    struct stat status {};
    return ::stat(path, &status) == 0 && S_ISREG(status.st_mode) && (status.st_mode & S_IWUSR) == 0;
}

}  // namespace

bool SaveSurfaceBitmap(const std::string& fileName) {
    const Surface* surface = CurrentSurface();
    if (fileName.empty() || surface == nullptr) return false;
    const QImage& picture = surface->picture;
    const std::vector<std::uint8_t> bytes =
        EncodeBmp24(reinterpret_cast<const std::uint32_t*>(picture.constBits()), picture.width(),
                    picture.height(), static_cast<int>(picture.bytesPerLine()));

    if (MarkedReadOnly(fileName.c_str())) return false;
    const int fd = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    // Exclusive, as for the record files: nobody else may have it open.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    // File header, picture header and pixel rows, one write each; the old
    // contents stay until the end is cut off, as when writing in place.
    constexpr std::size_t FileHeader = 14;
    const bool written = WriteAll(fd, bytes.data(), FileHeader) &&
                         WriteAll(fd, bytes.data() + FileHeader, BmpHeaderSize - FileHeader) &&
                         WriteAll(fd, bytes.data() + BmpHeaderSize, bytes.size() - BmpHeaderSize);
    const bool cut = written && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0;
    const bool closed = ::close(fd) == 0;
    return written && cut && closed;
}
