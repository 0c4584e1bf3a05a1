// The drawing primitives. Square boxes, fills and text write the pixels
// straight into the backing picture: exact to the pixel and much cheaper than
// a painter. Only rounded corners go through QPainter.
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <utility>

#include "font_table.h"
#include "surface.h"
#include "surface_state.h"
#include "text_mask.h"

namespace {

void FillRect(QImage& picture, const QRect& area, QRgb color) {
    const QRect clipped = area.intersected(picture.rect());
    if (clipped.isEmpty()) return;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        std::fill_n(row + clipped.left(), clipped.width(), color);
    }
}

void DrawSquareBox(QImage& picture, const QRect& area, QRgb outline, const QRgb* fill) {
    if (fill != nullptr) FillRect(picture, area.adjusted(1, 1, -1, -1), *fill);
    FillRect(picture, QRect(area.left(), area.top(), area.width(), 1), outline);
    FillRect(picture, QRect(area.left(), area.bottom(), area.width(), 1), outline);
    FillRect(picture, QRect(area.left(), area.top(), 1, area.height()), outline);
    FillRect(picture, QRect(area.right(), area.top(), 1, area.height()), outline);
}

void DrawRoundedBox(QImage& picture, const QRect& area, int diameter, QRgb outline,
                    const QRgb* fill) {
    QPainter painter(&picture);
    painter.setPen(QPen(QColor::fromRgb(outline), 1));
    if (fill != nullptr) {
        painter.setBrush(QColor::fromRgb(*fill));
    } else {
        painter.setBrush(Qt::NoBrush);
    }
    // A one-pixel pen on (x, y, w - 1, h - 1) covers exactly w x h pixels.
    painter.drawRoundedRect(area.adjusted(0, 0, -1, -1), diameter / 2.0, diameter / 2.0,
                            Qt::AbsoluteSize);
}

}  // namespace

void ClearSurface(Color color) {
    Surface* surface = CurrentSurface();
    if (surface == nullptr) return;
    surface->picture.fill(ToQRgb(color == DefaultColor ? surface->background : color));
    surface->textX = 0;
    surface->textY = 0;
    MarkChanged(*surface, surface->picture.rect());
}

void DrawBox(float x1, float y1, float x2, float y2, int cornerPercent, Color outline, Color fill) {
    Surface* surface = CurrentSurface();
    if (surface == nullptr) return;
    int left = RoundToPixel(x1);
    int top = RoundToPixel(y1);
    int right = RoundToPixel(x2);
    int bottom = RoundToPixel(y2);
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    // Edges far outside the picture stay outside it once clamped; this keeps
    // the sizes below within int.
    const int width = surface->picture.width();
    const int height = surface->picture.height();
    left = std::clamp(left, -1, width + 1);
    right = std::clamp(right, -1, width + 1);
    top = std::clamp(top, -1, height + 1);
    bottom = std::clamp(bottom, -1, height + 1);
    const QRect area(left, top, right - left, bottom - top);
    if (area.isEmpty()) return;

    const Color outlineColor = outline == DefaultColor ? surface->foreground : outline;
    const QRgb outlineRgb = ToQRgb(outlineColor);
    const QRgb fillRgb = ToQRgb(fill == DefaultColor ? outlineColor : fill);
    const QRgb* fillOrHollow = fill == TransparentColor ? nullptr : &fillRgb;

    const int corner = std::clamp(cornerPercent, 0, 100);
    const int diameter = std::min(area.width(), area.height()) * corner / 100;
    if (diameter == 0) {
        DrawSquareBox(surface->picture, area, outlineRgb, fillOrHollow);
    } else {
        DrawRoundedBox(surface->picture, area, diameter, outlineRgb, fillOrHollow);
    }
    MarkChanged(*surface, area);
}

void PrintText(std::string_view text) {
    Surface* surface = CurrentSurface();
    if (surface == nullptr) return;
    const RasterFont* font = RasterFontOf(surface->font);
    const int x = surface->textX;
    const int y = surface->textY;
    const int lineHeight = surface->lineHeight;
    surface->textX = 0;
    surface->textY = y + lineHeight;
    if (font == nullptr || text.empty()) return;

    const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const TextMask& mask = TextMaskOf(surface->font, *font, line);
    const QRect clip =
        QRect(x, y, surface->picture.width() - x, lineHeight).intersected(surface->picture.rect());
    if (clip.isEmpty()) return;
    if (!surface->transparent) {
        FillRect(surface->picture, QRect(x, y, mask.advance, lineHeight).intersected(clip),
                 ToQRgb(surface->background));
    }
    BlendTextMask(surface->picture, mask, QPoint(x, y), clip, ToQRgb(surface->foreground));
    MarkChanged(*surface, QRect(QPoint(x, y), mask.coverage.size()).intersected(clip));
}

int TextWidth(std::string_view text) {
    const Surface* surface = CurrentSurface();
    const RasterFont* font = surface != nullptr ? RasterFontOf(surface->font) : nullptr;
    if (font == nullptr || text.empty()) return 0;
    const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return TextMaskOf(surface->font, *font, line).advance;
}

void CopySurface(Handle source) {
    Surface* target = CurrentSurface();
    const Surface* from = OffscreenSurface(source);
    if (target == nullptr || from == nullptr) return;
    if (from != target) {
        const int width = std::min(from->picture.width(), target->picture.width());
        const int height = std::min(from->picture.height(), target->picture.height());
        for (int y = 0; y < height; ++y) {
            std::memcpy(target->picture.scanLine(y), from->picture.constScanLine(y),
                        static_cast<std::size_t>(width) * sizeof(QRgb));
        }
    }
    MarkChanged(*target, target->picture.rect());
}
