#pragma once

// Services-internal: labels, choices, number fields and progress bars, the
// controls that show or take a value rather than send a command.

#include <cstdint>
#include <string_view>

#include "handles.h"

class QWidget;

// nullptr for any other kind. A choice sends the command `id` when the
// user picks another entry; `style` is AddControl's.
QWidget* NewValueControl(int kind, Handle window, int id, Handle handle, std::string_view text,
                         std::uint32_t style, QWidget* parent);
