#pragma once

// Bet files as the tests write and read them: plain POSIX calls and the
// record spelled out here (column, sign, row as 32-bit little-endian
// integers, 12 bytes), so that no test reads or prepares a bet through the
// programs' own writer or reader.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "bet_file.h"

// Appends the records after whatever the file holds, creating it when it is
// missing. False when it cannot be opened or written whole.
bool AppendBetRecords(const std::string& path, const std::vector<BetRecord>& records);

// The record at `bytes`, 12 of them.
BetRecord BetRecordAt(const std::uint8_t* bytes);
// The whole records of `size` bytes, in order; a trailing fragment is left out.
std::vector<BetRecord> BetRecordsIn(const std::uint8_t* bytes, std::size_t size);
// The whole records the file holds; none when it cannot be read.
std::vector<BetRecord> ReadBetRecords(const std::string& path);
