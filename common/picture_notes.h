#pragma once

#include <string>
#include <vector>

#include "coupon_app.h"

// Notes about what the picture shows: tooltips over its regions and the
// picture control's accessible description. They belong to one display
// (a check's hits, a generated system) and end when the picture is redrawn.
void ShowPictureNotes(CouponApp& app, std::vector<PictureHint> hints, const std::string& description);
void EndPictureNotes(CouponApp& app);
