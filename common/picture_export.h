#pragma once

#include <optional>
#include <string>

#include "coupon_app.h"

// The "BMP" button of the keepers: saves what the picture control shows
// under the typed name, which must contain ".bmp".
void SavePictureCommand(CouponApp& app);

// The name typed in the text box for a picture; nullopt, after the box
// that says why, when it holds no ".bmp" (and silently when it is empty).
std::optional<std::string> TypedPictureName(CouponApp& app);
// Saves the selected surface as `name` in the program folder, replacing an
// older file whole; false when it could not be written.
bool SavePictureAs(CouponApp& app, const std::string& name);

// "Borrar Jugada": deletes the bet file after asking.
void DeleteBetCommand(CouponApp& app);

// Shown when a picture could not be written.
inline constexpr const char* PictureNotSavedText = "No se ha podido grabar el fichero ...";
inline constexpr const char* PictureNotSavedTitle = "Programador ...";
