#pragma once

// The style bits of NewFont, shared by the surfaces and the font table.

namespace FontStyle {
inline constexpr int Bold = 1;
inline constexpr int Italic = 2;
inline constexpr int Underline = 4;
inline constexpr int StrikeOut = 8;
inline constexpr int CellHeight = 16;
}  // namespace FontStyle
