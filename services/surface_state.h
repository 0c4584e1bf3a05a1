#pragma once

// Services-private: what every surface carries, shared by the files that
// implement surface.h.

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <cstdint>

#include "handles.h"

struct Surface {
    QImage picture;  // Format_RGB32: 0xffRRGGBB
    Color foreground = 0;
    Color background = 0;
    bool transparent = false;
    Handle font = 1;
    int lineHeight = 0;
    int textX = 0;
    int textY = 0;
    bool deferred = false;
    // Picture controls only: the widget that shows `picture`, and its name.
    QPointer<QWidget> control;
    Handle window = 0;
    int controlId = 0;
};

// The selected surface; nullptr when the selection is empty.
Surface* CurrentSurface();
// The off-screen surface with this handle; nullptr if none.
Surface* OffscreenSurface(Handle handle);
// Records that `area` of the surface changed: a picture control in immediate
// mode repaints it before the primitive returns.
void MarkChanged(Surface& surface, const QRect& area);

inline QRgb ToQRgb(Color color) {
    const auto value = static_cast<std::uint32_t>(color);
    return 0xFF000000u | ((value & 0xFFu) << 16) | (value & 0xFF00u) | ((value >> 16) & 0xFFu);
}

inline Color FromQRgb(QRgb pixel) {
    return static_cast<Color>(((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu));
}
