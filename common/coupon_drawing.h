#pragma once

#include "coupon_model.h"
#include "surface.h"

// Draws column `column` onto `target` with every cell unmarked, and sets the
// column's cell records. Lets one pending window message through first.
void DrawColumn(CouponTables& tables, int column, SurfaceRef target);
// The same onto the surface selected when it is called.
void DrawColumn(CouponTables& tables, int column);

void DrawSignature(SurfaceRef target, int signatureX);
void ClearPicture(SurfaceRef target);

// The three looks of a cell, drawn on the selected surface.
void DrawUnmarkedCell(const CouponCell& cell);
void DrawMarkedCell(const CouponCell& cell);
void DrawClearedCell(const CouponCell& cell);
