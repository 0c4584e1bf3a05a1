#pragma once

#include <string>

// The names pictures are saved under, typed by the user: ".bmp" counts in
// any case ("Foto.BMP").

// The keepers' rule: the name contains ".bmp".
bool NamesBmpPicture(const std::string& name);
// The reducer's stricter rule: the name ends in ".bmp" and names one file
// only, no "*" or "?".
bool IsAcceptedPictureName(const std::string& name);

// The picture of one page under a typed name: "sistema.bmp" and page 1
// (shown as 2) give "sistema 02.bmp". The number goes before the last
// ".bmp" in any case, or at the end when there is none.
std::string PageFileName(const std::string& name, int page);
