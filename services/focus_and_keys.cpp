// The keyboard: which control has the focus, and the keys the picture
// control passes on to its handler.
#include "focus_and_keys.h"

#include <QApplication>
#include <QKeyEvent>

#include "window_registry.h"

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
