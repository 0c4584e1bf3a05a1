#pragma once

// The exit codes of every "quiniela" command.
inline constexpr int ExitDone = 0;
inline constexpr int ExitFileFailure = 1;  // a file could not be read or written
inline constexpr int ExitBadInput = 2;     // bad input or a refused system; nothing written
inline constexpr int ExitInterrupted = 130;  // Ctrl+C during a long run
