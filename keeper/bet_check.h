#pragma once

#include "coupon_app.h"

// A stored mark that meets a result sign of the first column.
bool IsHit(const CouponTables& tables, CellIndex cell);

// "Comprobar Jugada": loads the stored bet and redraws every cell on the
// picture control, highlighted exactly where it is a hit.
void CheckBetCommand(CouponApp& app);

// Each stored column's hits and prizes, as a tooltip over the column and as
// the picture's accessible description, while the check is shown.
void ShowScrutinyNotes(CouponApp& app);
