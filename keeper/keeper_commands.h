#pragma once

#include <string>

#include "coupon_app.h"

// Draws the empty coupon with its signature on pictureBitmap and shows it.
void DrawFreshCoupon(CouponApp& app);

// "Grabar Jugada": stores every marked cell, asking before overwriting.
void SaveBetCommand(CouponApp& app);
// "Visualizar Jugada": draws the stored marks over what the control shows.
void ShowBetCommand(CouponApp& app);
// "Limpiar Pantalla" and "Reset": a new empty coupon; the result is forgotten.
void ClearCouponCommand(CouponApp& app);
