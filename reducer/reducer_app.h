#pragma once

#include "coupon_app.h"
#include "reduction_table.h"

// Everything the reducer keeps for its run.
struct ReducerApp {
    CouponApp coupon;
    ReductionTable reduction;
};

inline constexpr CouponSettings ReducerSettings{.columnCount = 8,
                                                .windowWidth = 290,
                                                .pictureWidth = 410,
                                                .signatureX = 0};
inline constexpr int ReducerPictureControlWidth = 150;
