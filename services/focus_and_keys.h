#pragma once

// Services-internal: the keys a picture control passes on to its handler.

#include <cstdint>

class QKeyEvent;

// The virtual-key code of an arrow, Space or Enter; 0 for any other key.
std::uint32_t VirtualKeyOf(const QKeyEvent& event);
