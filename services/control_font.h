#pragma once

#include <QString>

// The face the windows and their controls ask for, and the first stock font.
inline constexpr const char* ControlFontFace = "MS Sans Serif";

// The family to ask Qt for when a font names `face`. The control face where
// it is installed; where it is not, the family fontconfig picks for it,
// named outright: Qt would otherwise reach that same family only after a
// search through every installed font for a fallback, at each start. Any
// other face is returned as it is.
QString FamilyToRequest(const QString& face);
