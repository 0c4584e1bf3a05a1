#pragma once

#include "reducer_app.h"

inline constexpr const char* ReducedPictureName = "Reducida a 8.bmp";

// "Generar Reducida": draws the eight bets on pictureBitmap, rewrites the
// bet file with their 112 records and saves the picture next to the program.
void GenerateReduced(ReducerApp& app);
