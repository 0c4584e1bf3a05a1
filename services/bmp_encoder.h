#pragma once

#include <cstdint>
#include <vector>

// A 24-bit bottom-up bitmap file from 0x00RRGGBB pixels, rows top to bottom.
// Pure: writing the bytes to a file is the caller's step.
std::vector<std::uint8_t> EncodeBmp24(const std::uint32_t* pixels, int width, int height,
                                      int bytesPerLine);

inline constexpr int BmpHeaderSize = 54;
inline int BmpRowStride(int width) { return (width * 3 + 3) / 4 * 4; }
