#pragma once

#include "coupon_app.h"

// A stored mark that meets a result sign of the first column.
bool IsHit(const CouponTables& tables, CellIndex cell);

// "Comprobar Jugada": loads the stored bet and redraws every cell of the
// page on the picture control, highlighted exactly where it is a hit. The
// check stays shown on every page until the next click or clearing.
void CheckBetCommand(CouponApp& app);
// The check's look of the page on screen, with its notes.
void ShowCheckOfPage(CouponApp& app);

// Each stored column of the page's hits and prizes, as a tooltip over the
// column and as the picture's accessible description, followed there by the
// whole bet's total, while the check is shown.
void ShowScrutinyNotes(CouponApp& app);
