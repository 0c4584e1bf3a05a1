#pragma once

#include <cstdint>

// Windows, controls, menus, surfaces and fonts are named by small integers
// handed out by the services, so code above them never sees a toolkit type.
using Handle = std::int32_t;

// A colour is 0x00BBGGRR, red in the lowest byte.
using Color = std::int32_t;
inline constexpr Color DefaultColor = -1;
inline constexpr Color TransparentColor = -2;  // text background; "hollow" as a box fill
