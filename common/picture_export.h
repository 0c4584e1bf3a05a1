#pragma once

#include <optional>
#include <string>

#include "coupon_app.h"
#include "picture_names.h"

// A rule for typed picture names (picture_names.h).
using PictureNameRule = bool (*)(const std::string& name);

// The "BMP" button: saves what the picture control shows under the typed
// name, which the keepers want to contain ".bmp" and the reducer to end in it.
void SavePictureCommand(CouponApp& app, PictureNameRule accepted = NamesBmpPicture);

// The name typed in the text box for a picture; nullopt, after the box
// that says why, when the rule refuses it (and silently when it is empty).
std::optional<std::string> TypedPictureName(CouponApp& app, PictureNameRule accepted = NamesBmpPicture);
// Saves the selected surface as `name` in the program folder, replacing an
// older file whole; false when it could not be written.
bool SavePictureAs(CouponApp& app, const std::string& name);

// "Borrar Jugada": deletes the bet file after asking.
void DeleteBetCommand(CouponApp& app);

// Shown when a picture could not be written.
inline constexpr const char* PictureNotSavedText = "No se ha podido grabar el fichero ...";
