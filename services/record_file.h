#pragma once

#include <cstdint>
#include <string>

// Fixed-length record files, read; file attributes and deletion. Every
// failure is reported through the pending error (pending_error.h), never
// thrown.

namespace Attribute {
inline constexpr int ReadOnly = 1;
inline constexpr int Hidden = 2;
inline constexpr int System = 4;
inline constexpr int Folder = 16;
inline constexpr int Archive = 32;
}  // namespace Attribute

inline constexpr int MaxFileNumber = 32767;

int FreeFileNumber();
// Opens for reading under an exclusive advisory flock taken without waiting,
// which all the programs of the suite respect. Creates a missing file.
void OpenRecordFile(const std::string& name, int number, int recordLength);
// Reads up to `count` records from `record` (the first is 1) on in one go;
// returns how many whole records were read. A read failure leaves its error
// pending.
std::int64_t GetRecords(int number, std::int64_t record, std::int64_t count, void* buffer);
std::int64_t FileLength(int number);
void CloseFile(int number);

// Attribute bits of a file or folder, or 0 with error 53.
int ReadAttributes(const std::string& name);
// Only the owner-write bit (read-only) can really change on this platform;
// hidden follows the name and system does not exist.
void WriteAttributes(const std::string& name, int bits);
// "*" and "?" are wildcards in the last component of the name only.
void DeleteFiles(const std::string& name);
