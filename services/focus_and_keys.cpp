// The keyboard: which control has the focus, the keys the picture control
// passes on to its handler and those the window takes for itself.
#include "focus_and_keys.h"

#include <QApplication>
#include <QKeyEvent>

#include "window_registry.h"
#include "window_services.h"

std::uint32_t VirtualKeyOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Left: return VirtualKey::Left;
        case Qt::Key_Up: return VirtualKey::Up;
        case Qt::Key_Right: return VirtualKey::Right;
        case Qt::Key_Down: return VirtualKey::Down;
        case Qt::Key_Space: return VirtualKey::Space;
        case Qt::Key_Return:
        case Qt::Key_Enter: return VirtualKey::Return;
        default: return 0;
    }
}

Handle FocusedControl() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return 0;
    for (const auto& [handle, entry] : Registry())
        if (entry.widget == focus) return handle;
    return 0;
}

void SetFocusTo(Handle control) {
    RegistryEntry* entry = FindHandle(control);
    if (entry && entry->widget) entry->widget->setFocus(Qt::OtherFocusReason);
}

std::optional<WindowKey> WindowKeyOf(const QKeyEvent& event) {
    const bool control = (event.modifiers() & Qt::ControlModifier) != 0;
    const std::uint32_t flags = control ? KeyControlFlag : 0;
    switch (event.key()) {
        case Qt::Key_Escape: return WindowKey{VirtualKey::Escape, flags};
        case Qt::Key_PageUp: return WindowKey{VirtualKey::Prior, flags};
        case Qt::Key_PageDown: return WindowKey{VirtualKey::Next, flags};
        case Qt::Key_Home: return control ? std::optional(WindowKey{VirtualKey::Home, flags}) : std::nullopt;
        case Qt::Key_End: return control ? std::optional(WindowKey{VirtualKey::End, flags}) : std::nullopt;
        default: return std::nullopt;
    }
}
