#include "font_table.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <deque>
#include <memory>
#include <optional>

#include "control_font.h"
#include "font_style.h"

namespace {

constexpr std::size_t MaxFaceLength = 31;

struct FontEntry {
    FontDescription description;
    std::unique_ptr<RasterFont> raster;  // made on first use: needs the application object
};

// A deque keeps entries in place as the table grows, so RasterFont pointers
// handed out earlier stay valid.
std::deque<FontEntry>& Table() {
    static std::deque<FontEntry> table = [] {
        std::deque<FontEntry> startUp;
        startUp.push_back({DescribeFont(ControlFontFace, 8, 0), nullptr});
        startUp.push_back({DescribeFont("Lucida Console", 0, 0), nullptr});
        startUp.push_back({DescribeFont("Lucida Console", 11, 0), nullptr});
        return startUp;
    }();
    return table;
}

FontEntry* EntryOf(Handle font) {
    auto& table = Table();
    if (font < 1 || static_cast<std::size_t>(font) > table.size()) return nullptr;
    return &table[static_cast<std::size_t>(font) - 1];
}

QFont MakeQFont(const FontDescription& description, int pixelSize) {
    QFont font(FamilyToRequest(QString::fromUtf8(
        description.face.data(), static_cast<qsizetype>(description.face.size()))));
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(description.weight));
    font.setItalic(description.italic);
    font.setUnderline(description.underline);
    font.setStrikeOut(description.strikeOut);
    return font;
}

std::optional<RasterFont> MakeRasterFont(const FontDescription& description) {
    const int height = PointsToPixels(description.points, ScreenDotsPerInchY());
    if (height < 1) return std::nullopt;
    // Qt's pixel size is the em height, which is the character height. For a
    // cell height, scale it so that ascent + descent come out at `height`.
    int pixelSize = height;
    if (description.cellHeight) {
        const QFontMetricsF probe(MakeQFont(description, height));
        const qreal cell = probe.ascent() + probe.descent();
        if (cell > 0) pixelSize = std::max(1, static_cast<int>(std::lround(height * height / cell)));
    }
    QFont font = MakeQFont(description, pixelSize);
    QFontMetrics metrics(font);
    const int lineHeight = metrics.ascent() + metrics.descent() + std::max(0, metrics.leading());
    return RasterFont{font, metrics, height, metrics.ascent(), lineHeight};
}

}  // namespace

FontDescription DescribeFont(std::string_view face, float points, int style) {
    FontDescription description;
    description.face = std::string(face.substr(0, MaxFaceLength));
    description.points = points == 0 ? 8.0f : points;
    description.weight = (style & FontStyle::Bold) != 0 ? 700 : 400;
    description.italic = (style & FontStyle::Italic) != 0;
    description.underline = (style & FontStyle::Underline) != 0;
    description.strikeOut = (style & FontStyle::StrikeOut) != 0;
    description.cellHeight = (style & FontStyle::CellHeight) != 0;
    return description;
}

Handle FindOrAddFont(const FontDescription& description) {
    auto& table = Table();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].description == description) return static_cast<Handle>(i + 1);
    }
    table.push_back({description, nullptr});
    return static_cast<Handle>(table.size());
}

int FontCount() { return static_cast<int>(Table().size()); }

const FontDescription* FontDescriptionOf(Handle font) {
    const FontEntry* entry = EntryOf(font);
    return entry != nullptr ? &entry->description : nullptr;
}

const RasterFont* RasterFontOf(Handle font) {
    FontEntry* entry = EntryOf(font);
    // Fonts need the application object; nothing draws before it exists.
    if (entry == nullptr || qGuiApp == nullptr) return nullptr;
    if (!entry->raster) {
        std::optional<RasterFont> made = MakeRasterFont(entry->description);
        if (!made) return nullptr;
        entry->raster = std::make_unique<RasterFont>(std::move(*made));
    }
    return entry->raster.get();
}

int PointsToPixels(float points, double dotsPerInch) {
    return static_cast<int>(std::lround(static_cast<double>(points) * dotsPerInch / 72.0));
}

double ScreenDotsPerInchY() {
    if (qGuiApp != nullptr) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const double dpi = screen->logicalDotsPerInchY();
            if (dpi > 0) return dpi;
        }
    }
    return 96.0;
}
