#include "jornada_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "error_codes.h"
#include "jornada_json.h"

namespace {

// Closes the descriptor however the reading ends.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

JornadaText Failure(int error) {
    JornadaText read;
    read.status = JornadaStatus::FileFailure;
    read.error = error;
    return read;
}

}  // namespace

JornadaText ReadJornadaText(const std::string& path) {
    JornadaText read;
    // The file is replaced by renaming, never rewritten in place, so a plain
    // read sees the old jornada or the new one whole: no lock is needed.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) {
        if (errno == ENOENT) return read;  // Missing
        return Failure(ErrorFromErrno(errno));
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) return Failure(ErrorFromErrno(errno));
    if (S_ISDIR(info.st_mode)) return Failure(ErrorFromErrno(EISDIR));
    if (S_ISREG(info.st_mode) && static_cast<std::uintmax_t>(info.st_size) > MaxJornadaBytes) {
        read.status = JornadaStatus::Bad;
        read.problem = "el fichero de la jornada pasa de 1 MiB";
        return read;
    }
    // Checked again while reading: the file may grow meanwhile.
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Failure(ErrorFromErrno(errno));
        }
        if (n == 0) break;
        read.text.append(buffer, static_cast<std::size_t>(n));
        if (read.text.size() > MaxJornadaBytes) {
            read.status = JornadaStatus::Bad;
            read.problem = "el fichero de la jornada pasa de 1 MiB";
            read.text.clear();
            return read;
        }
    }
    read.status = JornadaStatus::Read;
    return read;
}

JornadaRead ReadJornada(const std::string& path) {
    JornadaRead read;
    JornadaText text = ReadJornadaText(path);
    read.status = text.status;
    read.problem = std::move(text.problem);
    read.error = text.error;
    if (text.status != JornadaStatus::Read) return read;
    if (auto jornada = ParseJornada(text.text, read.problem)) {
        read.jornada = std::move(*jornada);
    } else {
        read.status = JornadaStatus::Bad;
    }
    return read;
}

ReplaceOutcome WriteJornadaText(const std::string& path, const std::string& text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return ReplaceFileWhole(path, {bytes, text.size()});
}
