#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "coupon_model.h"

// The bet file: a plain sequence of 12-byte records, one per marked cell,
// shared by the keepers and the reducer.

inline constexpr const char* BetFileName = "1x2 - Jugada.log";
inline constexpr int BetRecordSize = 12;

struct BetRecord {
    std::int32_t column = 0;
    std::int32_t sign = 0;
    std::int32_t row = 0;
    bool operator==(const BetRecord&) const = default;
};

std::array<std::uint8_t, BetRecordSize> EncodeBetRecord(const BetRecord& record);
BetRecord DecodeBetRecord(const std::uint8_t* bytes);

inline std::string BetFilePath(const std::string& programFolder) {
    return programFolder + BetFileName;
}

// "Err:  70 Permission denied": the text shown when an append fails.
std::string AppendFailureText(int error);

// Appends one record after the last whole one, opening and closing the file.
// Returns the error number, 0 when the whole record was written.
int WriteBetRecord(const std::string& betFile, int column, int sign, int row);

// WriteBetRecord with its failure shown to the user ("Velmar Soft") and
// returned as false.
bool AppendBetRecord(const std::string& betFile, int column, int sign, int row);

// Replaces the marks with the stored bet. Records outside the table are
// skipped; nothing is reported.
void LoadBet(CouponTables& tables, const std::string& betFile);
