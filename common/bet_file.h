#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "replace_file.h"

// The bet file: a plain sequence of 12-byte records, one per marked cell,
// shared by the window programs and the command line.

inline constexpr const char* BetFileName = "1x2 - Jugada.log";
inline constexpr int BetRecordSize = 12;

struct BetRecord {
    std::int32_t column = 0;
    std::int32_t sign = 0;
    std::int32_t row = 0;
    bool operator==(const BetRecord&) const = default;
};

std::array<std::uint8_t, BetRecordSize> EncodeBetRecord(const BetRecord& record);

inline std::string BetFilePath(const std::string& programFolder) {
    return programFolder + BetFileName;
}

// "Err:  70 Permission denied": the text shown when reading or storing a
// file fails.
std::string AppendFailureText(int error);

std::vector<std::uint8_t> EncodeBet(std::span<const BetRecord> records);

// Replaces the stored bet whole by `records`, or removes it when there are
// none. A read-only old bet is made writable first, as before a delete; one
// held by another program stays (outcome.held). On failure the old bet is
// untouched.
ReplaceOutcome ReplaceBet(const std::string& betFile, std::span<const BetRecord> records);
