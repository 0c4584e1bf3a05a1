#pragma once

#include <string>
#include <string_view>

#include "handles.h"

// Picture surfaces: one selected surface per process, and primitives that
// draw on it. A surface is a picture control (owner window + control id) or
// an off-screen surface (its handle, with control id 0).

struct SurfaceRef {
    Handle owner = 0;
    int controlId = 0;
    bool operator==(const SurfaceRef&) const = default;
};

Color Rgb(int red, int green, int blue);
// Positions are rounded to whole pixels, a half going to the even neighbour.
int RoundToPixel(float value);

// Error 5 and an empty selection when there is no such surface.
void SelectSurface(Handle owner, int controlId, bool deferredRepaint);
void SelectSurface(SurfaceRef surface, bool deferredRepaint);
SurfaceRef SelectedSurface();  // {0, 0} when the selection is empty

void ClearSurface(Color color = DefaultColor);
void SetSurfaceColors(Color foreground, Color background);
void SetTextPosition(float x, float y);
void PrintText(std::string_view text);
// How far PrintText would move along the line for `text` in the selected
// surface's font; 0 with no selection.
int TextWidth(std::string_view text);
void DrawBox(float x1, float y1, float x2, float y2, int cornerPercent, Color outline, Color fill);
Handle NewFont(std::string_view face, float points, int style);
void SetSurfaceFont(Handle font);
Handle NewOffscreenSurface(int width, int height);
void CopySurface(Handle source);
// Writes the selected surface as a 24-bit bitmap file; true only when the
// whole file was written.
bool SaveSurfaceBitmap(const std::string& fileName);

// Reading the selected surface back (tests and the bitmap export use these).
int SurfaceWidth();
int SurfaceHeight();
Color SurfacePixel(int x, int y);  // 0x00BBGGRR; -1 outside or with no selection
struct TextPosition { int x = 0; int y = 0; };
TextPosition CurrentTextPosition();
int CurrentLineHeight();
