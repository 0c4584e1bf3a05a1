#include "text_mask.h"

#include <QPainter>
#include <unordered_map>
#include <utility>

namespace {

// The programs draw a few dozen distinct texts; a bound keeps a caller that
// prints ever new texts from growing the cache without end.
constexpr std::size_t MaxCachedTexts = 4096;

struct MaskKey {
    Handle font;
    QString text;
    bool operator==(const MaskKey&) const = default;
};

struct MaskKeyHash {
    std::size_t operator()(const MaskKey& key) const {
        return qHash(key.text, static_cast<std::size_t>(key.font));
    }
};

std::unordered_map<MaskKey, TextMask, MaskKeyHash>& Cache() {
    static std::unordered_map<MaskKey, TextMask, MaskKeyHash> cache;
    return cache;
}

TextMask MakeMask(const RasterFont& raster, const QString& text) {
    TextMask mask;
    mask.advance = raster.metrics.horizontalAdvance(text);
    // Room for ink that overhangs the last cell, as bold and italic glyphs do.
    const int overhang = raster.lineHeight;
    mask.coverage = QImage(std::max(1, mask.advance + overhang), std::max(1, raster.lineHeight),
                           QImage::Format_RGB32);
    mask.coverage.fill(Qt::black);
    QPainter painter(&mask.coverage);
    painter.setFont(raster.font);
    painter.setPen(Qt::white);
    painter.drawText(0, raster.ascent, text);
    return mask;
}

inline std::uint32_t BlendChannel(std::uint32_t ink, std::uint32_t under, std::uint32_t cover) {
    return (ink * cover + under * (255 - cover) + 127) / 255;
}

}  // namespace

const TextMask& TextMaskOf(Handle font, const RasterFont& raster, const QString& text) {
    auto& cache = Cache();
    MaskKey key{font, text};
    const auto found = cache.find(key);
    if (found != cache.end()) return found->second;
    if (cache.size() >= MaxCachedTexts) cache.clear();
    return cache.emplace(std::move(key), MakeMask(raster, text)).first->second;
}

void BlendTextMask(QImage& target, const TextMask& mask, QPoint origin, const QRect& clip, QRgb ink) {
    const QRect area = QRect(origin, mask.coverage.size()).intersected(clip).intersected(target.rect());
    if (area.isEmpty()) return;
    const std::uint32_t inkRed = qRed(ink);
    const std::uint32_t inkGreen = qGreen(ink);
    const std::uint32_t inkBlue = qBlue(ink);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* cover = reinterpret_cast<const QRgb*>(mask.coverage.constScanLine(y - origin.y()));
        auto* row = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = cover[x - origin.x()] & 0xFFFFFFu;
            if (c == 0) continue;
            if (c == 0xFFFFFFu) {
                row[x] = ink | 0xFF000000u;
                continue;
            }
            const QRgb under = row[x];
            row[x] = qRgb(static_cast<int>(BlendChannel(inkRed, qRed(under), qRed(c))),
                          static_cast<int>(BlendChannel(inkGreen, qGreen(under), qGreen(c))),
                          static_cast<int>(BlendChannel(inkBlue, qBlue(under), qBlue(c))));
        }
    }
}
