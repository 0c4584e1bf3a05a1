#pragma once

#include "reducer_app.h"

inline constexpr const char* ReducedPictureName = "Reducida a 8.bmp";

// "Generar Reducida": draws the eight bets on pictureBitmap, rewrites the
// bet file with their 112 records and saves the picture next to the program.
void GenerateReduced(ReducerApp& app);

// What the generated system is sure to hit when the result lies inside the
// signs it uses, as the picture's tooltip and accessible description.
void ShowGuaranteeNotes(CouponApp& coupon, const ReducedSystem& system);
