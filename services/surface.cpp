// The surfaces themselves: the tables of picture controls and off-screen
// surfaces, the selection, colours, fonts and text position, and reading a
// surface back. Drawing and the bitmap file live in their own files.
#include "surface.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <memory>
#include <utility>

#include "font_table.h"
#include "pending_error.h"
#include "surface_registry.h"
#include "surface_state.h"

namespace {

std::deque<std::unique_ptr<Surface>> offscreenSurfaces;  // handle n is element n - 1
std::map<std::pair<Handle, int>, std::unique_ptr<Surface>> controlSurfaces;
Surface* selected = nullptr;
SurfaceRef selectedRef;
ControlSurfaceObserver controlObserver = nullptr;

Color PaletteColor(QPalette::ColorRole role, Color fallback) {
    if (qGuiApp == nullptr) return fallback;
    return FromQRgb(QGuiApplication::palette().color(QPalette::Active, role).rgb());
}

// The system's window-text colour and its 3-D face colour, which is the face
// of push buttons.
Color SystemWindowText() { return PaletteColor(QPalette::WindowText, 0x000000); }
Color SystemFace() { return PaletteColor(QPalette::Button, 0xF0F0F0); }

int DefaultLineHeight() {
    const RasterFont* font = RasterFontOf(1);
    return font != nullptr ? font->lineHeight : 0;
}

void Reset(Surface& surface, int width, int height) {
    surface = Surface{};
    surface.picture = QImage(std::max(0, width), std::max(0, height), QImage::Format_RGB32);
    surface.foreground = SystemWindowText();
    surface.background = SystemFace();
    surface.lineHeight = DefaultLineHeight();
}

Surface* ControlSurface(Handle window, int controlId) {
    const auto found = controlSurfaces.find({window, controlId});
    return found != controlSurfaces.end() ? found->second.get() : nullptr;
}

// A picture control when the id names one on that window, otherwise the
// off-screen surface with the owner's number.
Surface* FindSurface(Handle owner, int controlId, SurfaceRef* ref) {
    if (controlId != 0) {
        if (Surface* control = ControlSurface(owner, controlId)) {
            *ref = {owner, controlId};
            return control;
        }
    }
    *ref = {owner, 0};
    return OffscreenSurface(owner);
}

}  // namespace

Surface* CurrentSurface() { return selected; }

Surface* OffscreenSurface(Handle handle) {
    if (handle < 1 || static_cast<std::size_t>(handle) > offscreenSurfaces.size()) return nullptr;
    return offscreenSurfaces[static_cast<std::size_t>(handle) - 1].get();
}

void MarkChanged(Surface& surface, const QRect& area) {
    if (surface.control.isNull()) return;
    const QRect shown = area.intersected(surface.picture.rect());
    if (shown.isEmpty()) return;
    // The picture fills the control's client area, inside any frame it has.
    if (!surface.deferred)
        surface.control->repaint(shown.translated(surface.control->contentsRect().topLeft()));
    if (controlObserver != nullptr) controlObserver(surface.control.data(), shown);
}

void SetControlSurfaceObserver(ControlSurfaceObserver observer) { controlObserver = observer; }

void RegisterControlSurface(Handle window, int controlId, QWidget* control, int width, int height,
                            QRgb face) {
    auto& slot = controlSurfaces[{window, controlId}];
    if (!slot) slot = std::make_unique<Surface>();
    Reset(*slot, width, height);
    slot->picture.fill(face | 0xFF000000u);
    slot->control = control;
    slot->window = window;
    slot->controlId = controlId;
    if (selected == nullptr) {
        selected = slot.get();
        selectedRef = {window, controlId};
    }
}

void UnregisterWindowSurfaces(Handle window) {
    for (auto it = controlSurfaces.begin(); it != controlSurfaces.end();) {
        if (it->first.first != window) {
            ++it;
            continue;
        }
        if (selected == it->second.get()) {
            selected = nullptr;
            selectedRef = {};
        }
        it = controlSurfaces.erase(it);
    }
}

const QImage* ControlSurfaceImage(Handle window, int controlId) {
    const Surface* surface = ControlSurface(window, controlId);
    return surface != nullptr ? &surface->picture : nullptr;
}

Color Rgb(int red, int green, int blue) {
    const auto clamp = [](int component) { return std::clamp(component, 0, 255); };
    return clamp(red) + clamp(green) * 256 + clamp(blue) * 65536;
}

int RoundToPixel(float value) {
    // Far outside any surface; keeps the conversion to int defined.
    constexpr double Limit = 1 << 30;
    const double clamped = std::clamp(static_cast<double>(value), -Limit, Limit);
    if (std::isnan(clamped)) return 0;
    const double below = std::floor(clamped);
    const double fraction = clamped - below;
    auto pixel = static_cast<int>(below);
    if (fraction > 0.5 || (fraction == 0.5 && pixel % 2 != 0)) ++pixel;
    return pixel;
}

void SelectSurface(Handle owner, int controlId, bool deferredRepaint) {
    SurfaceRef ref;
    Surface* surface = FindSurface(owner, controlId, &ref);
    if (surface == nullptr) {
        selected = nullptr;
        selectedRef = {};
        RaiseError(5);
        return;
    }
    selected = surface;
    selectedRef = ref;
    surface->deferred = deferredRepaint || surface->control.isNull();
}

void SelectSurface(SurfaceRef surface, bool deferredRepaint) {
    SelectSurface(surface.owner, surface.controlId, deferredRepaint);
}

SurfaceRef SelectedSurface() { return selected != nullptr ? selectedRef : SurfaceRef{}; }

void SetSurfaceColors(Color foreground, Color background) {
    if (selected == nullptr) return;
    selected->foreground = foreground == DefaultColor ? SystemWindowText() : foreground;
    if (background == TransparentColor) {
        // The colour is kept for later clears without colour.
        selected->transparent = true;
        return;
    }
    selected->background = background == DefaultColor ? SystemFace() : background;
    selected->transparent = false;
}

void SetTextPosition(float x, float y) {
    if (selected == nullptr) return;
    selected->textX = RoundToPixel(x);
    selected->textY = RoundToPixel(y);
}

Handle NewFont(std::string_view face, float points, int style) {
    return FindOrAddFont(DescribeFont(face, points, style));
}

void SetSurfaceFont(Handle font) {
    if (selected == nullptr) return;
    if (font == 0) font = 1;
    if (FontDescriptionOf(font) == nullptr) return;
    const RasterFont* raster = RasterFontOf(font);
    if (raster == nullptr) {
        RaiseError(5);
        return;
    }
    selected->font = font;
    selected->lineHeight = raster->lineHeight;
}

Handle NewOffscreenSurface(int width, int height) {
    auto surface = std::make_unique<Surface>();
    Reset(*surface, width, height);
    surface->deferred = true;
    // Unspecified contents; filled anyway so that nothing reads stale memory.
    surface->picture.fill(ToQRgb(surface->background));
    offscreenSurfaces.push_back(std::move(surface));
    return static_cast<Handle>(offscreenSurfaces.size());
}

int SurfaceWidth() { return selected != nullptr ? selected->picture.width() : 0; }
int SurfaceHeight() { return selected != nullptr ? selected->picture.height() : 0; }

Color SurfacePixel(int x, int y) {
    if (selected == nullptr || !selected->picture.valid(x, y)) return -1;
    const auto* row = reinterpret_cast<const QRgb*>(selected->picture.constScanLine(y));
    return FromQRgb(row[x]);
}

TextPosition CurrentTextPosition() {
    if (selected == nullptr) return {};
    return {selected->textX, selected->textY};
}

int CurrentLineHeight() { return selected != nullptr ? selected->lineHeight : 0; }
