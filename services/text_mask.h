#pragma once

// Services-private: text drawn through a per-font, per-text coverage mask.
// Rasterising once and blending afterwards keeps the coupon's hundreds of
// one-letter texts cheap; the mask does not depend on the colours.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include "font_table.h"
#include "handles.h"

struct TextMask {
    // White ink on black; each channel is that channel's coverage, so
    // sub-pixel antialiasing survives. The top-left corner is the top-left
    // of the first character cell.
    QImage coverage;
    int advance = 0;  // width of the text's character cells
};

// The mask of `text` in the font; made on first use.
const TextMask& TextMaskOf(Handle font, const RasterFont& raster, const QString& text);

// Blends `ink` through the mask placed at `origin` into `target`, touching
// only pixels inside `clip`.
void BlendTextMask(QImage& target, const TextMask& mask, QPoint origin, const QRect& clip, QRgb ink);
