#pragma once

#include "coupon_app.h"

// The "BMP" button of the keepers: saves what the picture control shows
// under the typed name, which must contain ".bmp".
void SavePictureCommand(CouponApp& app);

// "Borrar Jugada": deletes the bet file after asking.
void DeleteBetCommand(CouponApp& app);

// Shown when a picture could not be written.
inline constexpr const char* PictureNotSavedText = "No se ha podido grabar el fichero ...";
inline constexpr const char* PictureNotSavedTitle = "Programador ...";
