#include "bet_record_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace {

constexpr std::size_t RecordBytes = 12;

void PutField(std::uint8_t* out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    out[0] = static_cast<std::uint8_t>(bits & 0xFF);
    out[1] = static_cast<std::uint8_t>((bits >> 8) & 0xFF);
    out[2] = static_cast<std::uint8_t>((bits >> 16) & 0xFF);
    out[3] = static_cast<std::uint8_t>(bits >> 24);
}

std::int32_t FieldAt(const std::uint8_t* in) {
    const std::uint32_t bits = in[0] | (std::uint32_t{in[1]} << 8) | (std::uint32_t{in[2]} << 16) |
                               (std::uint32_t{in[3]} << 24);
    return static_cast<std::int32_t>(bits);
}

}  // namespace

bool AppendBetRecords(const std::string& path, const std::vector<BetRecord>& records) {
    std::vector<std::uint8_t> bytes(records.size() * RecordBytes);
    for (std::size_t k = 0; k < records.size(); ++k) {
        std::uint8_t* at = bytes.data() + k * RecordBytes;
        PutField(at, records[k].column);
        PutField(at + 4, records[k].sign);
        PutField(at + 8, records[k].row);
    }
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    return close(fd) == 0 && done == bytes.size();
}

BetRecord BetRecordAt(const std::uint8_t* bytes) {
    return {FieldAt(bytes), FieldAt(bytes + 4), FieldAt(bytes + 8)};
}

std::vector<BetRecord> BetRecordsIn(const std::uint8_t* bytes, std::size_t size) {
    std::vector<BetRecord> records;
    for (std::size_t at = 0; at + RecordBytes <= size; at += RecordBytes)
        records.push_back(BetRecordAt(bytes + at));
    return records;
}

std::vector<BetRecord> ReadBetRecords(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    std::uint8_t block[4096];
    for (;;) {
        const ssize_t n = read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        bytes.insert(bytes.end(), block, block + n);
    }
    close(fd);
    return BetRecordsIn(bytes.data(), bytes.size());
}
