#pragma once

#include "coupon_app.h"

// Pages of the bet as pictures, drawn as the first page always was: column
// numbers, grid and signature, then the page's marks.

// Draws the page on screen on pictureBitmap, which stays selected.
void DrawPageBitmap(CouponApp& app);
// The marks of the page on screen, on the selected surface.
void DrawPageMarks(CouponApp& app);

// Every page up to the last that holds a mark, as "<name> 01.bmp",
// "<name> 02.bmp", ... from the name typed in the text box; then one box
// "Ya han sido grabadas N páginas ..." or, at the first failure, the
// picture's failure box and no further page. pictureBitmap ends up holding
// the page on screen again.
void SaveEveryPage(CouponApp& app);
