#pragma once

#include "coupon_settings.h"

// The two builds of the bet keeper differ only in these values.
inline constexpr CouponSettings Keeper16Settings{.columnCount = 16,
                                                 .windowWidth = 830,
                                                 .pictureWidth = 810,
                                                 .signatureX = 345};
inline constexpr CouponSettings Keeper8Settings{.columnCount = 8,
                                                .windowWidth = 430,
                                                .pictureWidth = 410,
                                                .signatureX = 160};
