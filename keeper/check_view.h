#pragma once

#include "coupon_app.h"

// How a check looks on the page on screen: the stored marks that meet a
// result sign highlighted, every other cell plain, and each column's hits
// and prizes told as a tooltip and in the picture's description.

// A stored mark that meets a result sign of the first column.
bool IsHit(const CouponTables& tables, CellIndex cell);

// The check's look of the page on screen, with its notes.
void ShowCheckOfPage(CouponApp& app);

// Each stored column of the page's hits and prizes, as a tooltip over the
// column and as the picture's accessible description, followed there by the
// whole bet's total, while the check is shown.
void ShowScrutinyNotes(CouponApp& app);
