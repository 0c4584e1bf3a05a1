#pragma once

#include <string>

namespace ErrorNumber {
inline constexpr int None = 0;
inline constexpr int IllegalFunctionCall = 5;
inline constexpr int OutOfMemory = 7;
inline constexpr int InternalError = 51;
inline constexpr int BadFileNameOrNumber = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int FileIsOpen = 55;
inline constexpr int DeviceIoError = 57;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEnd = 62;
inline constexpr int BadRecordNumber = 63;
inline constexpr int BadFileName = 64;
inline constexpr int TooManyFiles = 67;
inline constexpr int DeviceUnavailable = 68;
inline constexpr int PermissionDenied = 70;
inline constexpr int DiskNotReady = 71;
inline constexpr int DiskMediaError = 72;
inline constexpr int RenameAcrossDisks = 74;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int GlobalMemoryCorrupt = 241;
}  // namespace ErrorNumber

// English text of an error number; above 255 counts as 0 ("No Error"),
// an unknown number has the empty text.
std::string ErrorText(int number);

// Translates an errno value of the platform to an error number by cause.
int ErrorFromErrno(int err);
