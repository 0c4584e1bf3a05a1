#include "bet_file.h"

#include "error_codes.h"
#include "pending_error.h"
#include "program_folder.h"
#include "record_file.h"

namespace {

void Put32(std::uint8_t* out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t Get32(const std::uint8_t* in) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(in[i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

// Numbers shown to the user carry a leading blank when not negative.
std::string NumberText(int number) {
    return (number >= 0 ? " " : "") + std::to_string(number);
}

}  // namespace

std::array<std::uint8_t, BetRecordSize> EncodeBetRecord(const BetRecord& record) {
    std::array<std::uint8_t, BetRecordSize> bytes{};
    Put32(bytes.data() + 0, record.column);
    Put32(bytes.data() + 4, record.sign);
    Put32(bytes.data() + 8, record.row);
    return bytes;
}

BetRecord DecodeBetRecord(const std::uint8_t* bytes) {
    return {Get32(bytes + 0), Get32(bytes + 4), Get32(bytes + 8)};
}

std::string AppendFailureText(int error) {
    return "Err: " + NumberText(error) + " " + ErrorText(error);
}

int WriteBetRecord(const std::string& betFile, int column, int sign, int row) {
    const auto bytes = EncodeBetRecord({column, sign, row});
    ClearPendingError();
    const int number = FreeFileNumber();
    OpenRecordFile(betFile, number, FileAccess::Write, BetRecordSize);
    // A failed open is the cause worth showing (a locked file gives 70), not
    // the "bad file number" of the record operations that would follow it.
    if (PendingError() == 0) {
        // A trailing fragment of a record is overwritten by the new one.
        const std::int64_t whole = FileLength(number) / BetRecordSize;
        PutRecord(number, whole > 0 ? whole + 1 : 1, bytes.data());
    }
    const int error = PendingError();
    CloseFile(number);
    ClearPendingError();
    return error;
}

std::vector<BetRecord> MarkedRecords(const CouponTable<std::int32_t>& marks, int columnCount) {
    std::vector<BetRecord> records;
    for (int c = 0; c < columnCount; ++c)
        for (int s = 0; s < SignCount; ++s)
            for (int r = 0; r < RowCount; ++r)
                if (marks.at(c, s, r) == 1) records.push_back({c, s, r});
    return records;
}

std::vector<std::uint8_t> EncodeBet(std::span<const BetRecord> records) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(records.size() * BetRecordSize);
    for (const BetRecord& record : records) {
        const auto one = EncodeBetRecord(record);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

ReplaceOutcome ReplaceBet(const std::string& betFile, std::span<const BetRecord> records) {
    ClearPendingError();
    WriteAttributes(betFile, Attribute::Archive);
    ClearPendingError();
    if (!records.empty()) return ReplaceFileWhole(betFile, EncodeBet(records));
    // No marks store no file: the old bet goes, unless someone holds it.
    if (!FileExists(betFile)) return {};
    DeleteFiles(betFile);
    const int error = TakePendingError();
    if (!FileExists(betFile)) return {};
    return {error != 0 ? error : ErrorNumber::PermissionDenied, true};
}
