#pragma once

#include "coupon_app.h"

// "Comprobar Jugada": loads the stored bet and redraws every cell of the
// page on the picture control, highlighted exactly where it is a hit. The
// check stays shown on every page until the next click or clearing.
void CheckBetCommand(CouponApp& app);
