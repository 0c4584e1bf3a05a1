#pragma once

#include "handles.h"

// Colours are 0x00BBGGRR, red in the lowest byte.
inline constexpr Color Salmon = 0x008080FF;   // RGB FF8080
inline constexpr Color SkyBlue = 0x00FACE87;  // RGB 87CEFA
inline constexpr Color White = 0x00FFFFFF;
inline constexpr Color Black = 0x00000000;
