#pragma once

#include <span>

#include "main_window_shell.h"
#include "systems_app.h"

// The window's controls, placed once: the forecast and the slip on the
// left, the guarantee, conditions and search on the right, the file name,
// slip buttons and summary below. Tab follows that order.
void CreateSystemsWindow(SystemsApp& app, std::span<const MenuEntry> menu);
