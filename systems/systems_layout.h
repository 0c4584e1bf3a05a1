#pragma once

#include <span>
#include <string>

#include "main_window_shell.h"
#include "systems_app.h"

// The window's controls, placed once: the forecast with its teams and the
// slip on the left, the objective, guarantee, conditions and search on the
// right, then the file name and slip buttons, the result lines and the two
// charts below. Tab follows that order.
void CreateSystemsWindow(SystemsApp& app, std::span<const MenuEntry> menu);

// Adds a control to the systems window and returns it.
Handle AddSystemsControl(SystemsApp& app, int kind, int id, const char* text, int x, int y, int width,
                         int height, std::uint32_t style = 0);

// The right-hand panel: "Objetivo", "Apuestas", "Garantía", the
// conditions, the conditions of value, "Generar Sistema", "Cancelar" and
// "Progreso" (panel_layout.cpp).
void CreateSystemsPanel(SystemsApp& app);
