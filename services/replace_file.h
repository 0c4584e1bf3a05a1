#pragma once

#include <cstdint>
#include <span>
#include <string>

// Replacing a file whole: the new contents go into a temporary file beside
// the old one, which is then renamed over it in one step. A reader opening
// the name at any moment gets the old file or the new one, never a part.

struct ReplaceOutcome {
    int error = 0;      // error number; 0 when the new file is in place
    bool held = false;  // the old file is held by another program under the lock
};

// Refuses (70) an old file marked read-only or held under the shared lock,
// and a folder whose owner may not write it, even for root. On any failure
// the old file is untouched and no temporary file remains.
ReplaceOutcome ReplaceFileWhole(const std::string& path, std::span<const std::uint8_t> bytes);
