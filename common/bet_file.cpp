#include "bet_file.h"

#include "error_codes.h"
#include "pending_error.h"
#include "record_file.h"
#include "window_services.h"

namespace {

constexpr const char* AppendFailureTitle = "Velmar Soft";

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

bool AppendBetRecord(const std::string& betFile, int column, int sign, int row) {
    const int error = WriteBetRecord(betFile, column, sign, row);
    if (error == 0) return true;
    ShowMessage(AppendFailureText(error), MessageButtons::Ok, AppendFailureTitle);
    return false;
}

void LoadBet(CouponTables& tables, const std::string& betFile) {
    ResetMarkTable(tables);
    ClearPendingError();
    const int number = FreeFileNumber();
    OpenRecordFile(betFile, number, FileAccess::Read, BetRecordSize);
    if (PendingError() != 0) {
        ClearPendingError();
        return;
    }
    const std::int64_t count = FileLength(number) / BetRecordSize;
    std::array<std::uint8_t, BetRecordSize> bytes{};
    for (std::int64_t k = 1; k <= count; ++k) {
        GetRecord(number, k, bytes.data());
        if (PendingError() != 0) break;
        const BetRecord record = DecodeBetRecord(bytes.data());
        if (tables.markTable.contains(record.column, record.sign, record.row))
            tables.markTable.at(record.column, record.sign, record.row) = 1;
    }
    CloseFile(number);
    ClearPendingError();
}
