#pragma once

// The four numbers in which the two bet keepers differ; everything else
// about their coupon follows from these.
struct CouponSettings {
    int columnCount;
    int windowWidth;
    int pictureWidth;
    int signatureX;
};

inline constexpr int WindowHeight = 360;
inline constexpr int PictureHeight = 280;
