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

std::string AppendFailureText(int error) {
    return "Err: " + NumberText(error) + " " + ErrorText(error);
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
