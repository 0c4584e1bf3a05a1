#include "main_window_shell.h"

#include "bet_file.h"
#include "pending_error.h"
#include "picture_marking.h"
#include "program_folder.h"

namespace {

constexpr int PictureX = 10;
constexpr int PictureY = 10;
constexpr int ControlRowY = 300;
constexpr int ControlHeight = 18;
constexpr const char* MenuTitle = "Funciones";
constexpr const char* PagesMenuTitle = "Boletos";
// What screen readers call the text box and the picture.
constexpr const char* FileNameBoxName = "Nombre del fichero BMP";
constexpr const char* PictureName = "Boleto";

// Commands that need a stored bet.
constexpr int BetCommands[] = {1005, 1006, 1008};
constexpr int AlwaysEnabled[] = {1003, 1007};

}  // namespace

void CreateMainWindow(CouponApp& app, const WindowPlan& plan, std::span<const MenuEntry> menu,
                      PictureHandler pictureProc, std::span<const MenuEntry> pagesMenu) {
    app.window = NewWindow(0, MainWindowTitle, plan.clientWidth, WindowHeight);
    SetWindowIcon(app.window, ProgramIcon);

    AddControl(ControlKind::TextBox, app.window, FileNameBoxId, "", 10, ControlRowY, 215,
               ControlHeight);
    AddControl(ControlKind::PushButton, app.window, BmpButtonId, "BMP", 233, ControlRowY, 50,
               ControlHeight);
    if (plan.resetButton)
        AddControl(ControlKind::PushButton, app.window, ResetButtonId, "Reset", 285, ControlRowY,
                   50, ControlHeight);
    AddControl(ControlKind::Picture, app.window, PictureControlId, "", PictureX, PictureY,
               plan.pictureControlWidth, PictureHeight);

    SelectSurface(PictureControlSurface(app), true);
    ClearSurface(plan.startFill);

    SetControlAccessibleName(ControlWindow(app.window, FileNameBoxId), FileNameBoxName);
    app.pictureControl = ControlWindow(app.window, PictureControlId);
    SetControlAccessibleName(app.pictureControl, PictureName);
    DescribePictureCells(app.pictureControl, plan.markableColumns);
    app.originalPictureProc = SetControlHandler(
        app.pictureControl,
        WithCellKeyboard(app.pictureControl, plan.markableColumns, std::move(pictureProc)));
    app.menuBar = BuildMenu(app.window, menu, pagesMenu);
}

Handle BuildMenu(Handle window, std::span<const MenuEntry> entries,
                 std::span<const MenuEntry> pagesEntries) {
    const Handle bar = NewMenuBar();
    const auto addPopup = [bar](const char* title, std::span<const MenuEntry> items) {
        const Handle popup = NewPopupMenu();
        AddMenuItem(bar, title, popup, MenuEnabled);
        for (const MenuEntry& entry : items) AddMenuItem(popup, entry.text, entry.id, MenuEnabled);
    };
    addPopup(MenuTitle, entries);
    if (!pagesEntries.empty()) addPopup(PagesMenuTitle, pagesEntries);
    AttachMenu(bar, window);
    return bar;
}

void UpdateMenuStates(CouponApp& app) {
    const bool stored = FileExists(BetFilePath(app.programFolder));
    for (int id : AlwaysEnabled) SetMenuItemState(app.menuBar, id, MenuEnabled);
    for (int id : BetCommands) SetMenuItemState(app.menuBar, id, stored ? MenuEnabled : MenuGreyed);
}

void HandleActivation(CouponApp& app, std::uint32_t first) {
    if (first == 0) {
        app.savedFocus = FocusedControl();
    } else if (app.savedFocus != 0) {
        SetFocusTo(app.savedFocus);
        app.savedFocus = 0;
    }
}

void HandleDestruction(CouponApp& app) {
    if (app.pictureControl != 0 && app.originalPictureProc)
        SetControlHandler(app.pictureControl, app.originalPictureProc);
    app.originalPictureProc = nullptr;
}

void IgnoringFailure(const std::function<void()>& operation) {
    ClearPendingError();
    operation();
    ClearPendingError();
}
