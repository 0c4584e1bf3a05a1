#pragma once

#include <string>

#include "coupon_model.h"
#include "coupon_settings.h"
#include "surface.h"
#include "window_services.h"

// Control ids shared by the four window programs.
inline constexpr int PictureControlId = 100;
inline constexpr int FileNameBoxId = 101;
inline constexpr int BmpButtonId = 102;
inline constexpr int ResetButtonId = 103;
// Menu commands more than one program has.
inline constexpr int SaveBetId = 1003;      // "Grabar Jugada"
inline constexpr int ClearCouponId = 1007;  // "Limpiar Pantalla"

// Everything a program keeps for its run: owned by its main module and
// handed to the routines that need it.
struct CouponApp {
    CouponSettings settings{};
    Handle window = 0;
    Handle menuBar = 0;
    Handle pictureControl = 0;  // the control's window handle
    Handle pictureBitmap = 0;   // off-screen surface
    MessageHandler originalPictureProc;
    Handle savedFocus = 0;
    std::string programFolder;  // ends with "/"
    CouponTables tables;
    bool commandRunning = false;  // see command_scope.h
    bool notesShown = false;      // see picture_notes.h
    bool checkShown = false;      // a check's highlights are on screen, on every page
};

inline SurfaceRef PictureControlSurface(const CouponApp& app) {
    return {app.window, PictureControlId};
}
inline SurfaceRef PictureBitmapSurface(const CouponApp& app) { return {app.pictureBitmap, 0}; }
