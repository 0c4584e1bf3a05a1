#pragma once

// Services-private: the process-wide font table. Entries are numbered from 1
// and never freed, so a handle stays valid for the whole run.

#include <QFont>
#include <QFontMetrics>
#include <string>
#include <string_view>

#include "handles.h"

struct FontDescription {
    std::string face;  // at most 31 characters
    float points = 8;  // never 0
    int weight = 400;  // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool cellHeight = false;  // the size is the cell height, not the character height
    bool operator==(const FontDescription&) const = default;
};

// A description as NewFont receives it: face cut to 31 characters, size 0
// meaning 8 points, style bits as in FontStyle.
FontDescription DescribeFont(std::string_view face, float points, int style);

// The handle of an entry with exactly this description, appending one when
// there is none yet.
Handle FindOrAddFont(const FontDescription& description);
int FontCount();
const FontDescription* FontDescriptionOf(Handle font);  // nullptr if unknown

// A font ready for drawing at the screen's resolution. Built once per entry:
// constructing fonts and metrics on every call is slow.
struct RasterFont {
    QFont font;
    QFontMetrics metrics;
    int pixelHeight;  // character (or cell) height from the point size
    int ascent;       // from the top of the character cell to the baseline
    int lineHeight;   // cell height plus external leading
};
// nullptr if the handle names no entry or the system cannot make the font.
const RasterFont* RasterFontOf(Handle font);

// Points to pixels: points x dpi / 72, rounded to the nearest integer.
int PointsToPixels(float points, double dotsPerInch);
// The screen's vertical resolution; 96 when no screen reports one.
double ScreenDotsPerInchY();
