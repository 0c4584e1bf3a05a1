#pragma once

// Services-internal: the keys a picture control passes on to its handler.

#include <cstdint>
#include <optional>

class QKeyEvent;

// The virtual-key code of an arrow, Space or Enter; 0 for any other key.
std::uint32_t VirtualKeyOf(const QKeyEvent& event);

// Keys the window takes wherever the focus is, but in a text box: Page Up
// and Page Down, Ctrl+Home and Ctrl+End, Escape.
struct WindowKey {
    std::uint32_t key = 0;
    std::uint32_t modifiers = 0;  // KeyControlFlag
};
std::optional<WindowKey> WindowKeyOf(const QKeyEvent& event);
