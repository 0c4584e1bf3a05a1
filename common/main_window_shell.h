#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "coupon_app.h"

inline constexpr const char* MainWindowTitle = "1X2 ...";
inline constexpr const char* ProgramIcon = "#200";

// A command of the "Funciones" menu; text "-" is a separator.
struct MenuEntry {
    const char* text;
    int id;
};

struct WindowPlan {
    int clientWidth;
    int pictureControlWidth;
    bool resetButton;
    Color startFill;  // what the picture control shows before the coupon
    int markableColumns;  // the columns a click marks, from the left
};

using PictureHandler =
    std::function<std::int32_t(Handle, std::uint32_t, std::uint32_t, std::uint32_t)>;

// The start-up before the modal run: window, icon, controls, the picture
// control's handler replaced (and reached by the keyboard too), the menu
// attached, names for screen readers.
// `pagesMenu`, when given, is a second pop-up "Boletos" after "Funciones".
void CreateMainWindow(CouponApp& app, const WindowPlan& plan, std::span<const MenuEntry> menu,
                      PictureHandler pictureProc, std::span<const MenuEntry> pagesMenu = {});
Handle BuildMenu(Handle window, std::span<const MenuEntry> entries,
                 std::span<const MenuEntry> pagesEntries = {});

// Greys "Visualizar", "Comprobar" and "Borrar" while there is no bet file.
void UpdateMenuStates(CouponApp& app);

// Keeps the keyboard focus across deactivation.
void HandleActivation(CouponApp& app, std::uint32_t first);
void HandleDestruction(CouponApp& app);

inline int CommandId(std::uint32_t first) { return static_cast<int>(first & 0xFFFFu); }

// Runs a file operation whose failure does not matter, leaving no error pending.
void IgnoringFailure(const std::function<void()>& operation);
