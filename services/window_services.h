#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "handles.h"

// Windows, controls, menus and message boxes, and the message protocol
// between a window and its handler. The toolkit stays behind this header.

namespace Message {
inline constexpr std::uint32_t Destroy = 0x0002;
inline constexpr std::uint32_t Size = 0x0005;
inline constexpr std::uint32_t Close = 0x0010;
inline constexpr std::uint32_t NcActivate = 0x0086;
inline constexpr std::uint32_t KeyDown = 0x0100;  // first: a VirtualKey
inline constexpr std::uint32_t InitDialog = 0x0110;
inline constexpr std::uint32_t Command = 0x0111;
inline constexpr std::uint32_t SysCommand = 0x0112;
inline constexpr std::uint32_t LeftButtonDown = 0x0201;
}  // namespace Message

// The keys a picture control passes on to its handler.
namespace VirtualKey {
inline constexpr std::uint32_t Return = 0x0D;
inline constexpr std::uint32_t Escape = 0x1B;
inline constexpr std::uint32_t Space = 0x20;
inline constexpr std::uint32_t Prior = 0x21;  // Page Up
inline constexpr std::uint32_t Next = 0x22;   // Page Down
inline constexpr std::uint32_t End = 0x23;
inline constexpr std::uint32_t Home = 0x24;
inline constexpr std::uint32_t Left = 0x25;
inline constexpr std::uint32_t Up = 0x26;
inline constexpr std::uint32_t Right = 0x27;
inline constexpr std::uint32_t Down = 0x28;
}  // namespace VirtualKey

// `second` of a window's KeyDown: Ctrl was held.
inline constexpr std::uint32_t KeyControlFlag = 0x0008;
// `first` of a LeftButtonDown: the buttons held.
inline constexpr std::uint32_t LeftButtonFlag = 0x0001;
inline constexpr std::uint32_t SysCommandClose = 0xF060;
inline constexpr int MenuEnabled = 0;
inline constexpr int MenuGreyed = 3;

namespace ControlKind {
inline constexpr int PushButton = 1;
inline constexpr int Label = 2;        // a line of text
inline constexpr int Choice = 3;       // a drop-down list; AddControl's text: entries joined by "\n"
inline constexpr int NumberField = 4;  // a whole number in a range, or open (blank)
inline constexpr int ProgressBar = 5;
inline constexpr int DecimalField = 6;  // a number with decimals in a range, or open (blank)
inline constexpr int TextBox = 9;
inline constexpr int Picture = 14;
}  // namespace ControlKind

// AddControl's style for a push button that Enter also presses while it
// has the focus.
inline constexpr std::uint32_t ButtonTakesEnter = 0x0001;
// AddControl's style for a label that Tab reaches, so that a screen reader
// reads a line of results where the keyboard is.
inline constexpr std::uint32_t LabelTakesFocus = 0x0002;

namespace MessageButtons {
inline constexpr int Ok = 0;
inline constexpr int YesNo = 4;
}  // namespace MessageButtons

namespace MessageResult {
inline constexpr int Ok = 1;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace MessageResult

// Handler(window, message, first parameter, second parameter) -> result.
using MessageHandler =
    std::function<std::int32_t(Handle, std::uint32_t, std::uint32_t, std::uint32_t)>;

// The service layer's start: creates the application object and the font
// table, runs `entry` and returns its result as the process exit code.
int RunProgram(int argc, char** argv, const std::function<int()>& entry);

// A window of `width` x `height` client pixels. Without a parent it is
// centred on the screen; a window given a `parent` belongs to it: it is
// modal to it and ends with it, and Escape reaches its handler even from a
// text box.
Handle NewWindow(Handle parent, std::string_view title, int width, int height);
void SetWindowIcon(Handle window, std::string_view resource);
// `style`: ButtonTakesEnter for a push button; the other kinds take none.
void AddControl(int kind, Handle window, int id, std::string_view text, int x, int y, int width,
                int height, std::uint32_t style = 0);
Handle ControlWindow(Handle window, int id);  // 0 if none
std::string GetControlText(Handle control);
MessageHandler SetControlHandler(Handle control, MessageHandler handler);
std::int32_t CallPreviousHandler(const MessageHandler& previous, Handle control,
                                 std::uint32_t message, std::uint32_t first, std::uint32_t second);

Handle NewMenuBar();
Handle NewPopupMenu();
// Text "-" makes a separator whatever id is passed. For a pop-up entry on a
// bar, `idOrSubmenu` is the pop-up's handle.
void AddMenuItem(Handle menu, std::string_view text, int idOrSubmenu, int state);
void AttachMenu(Handle menuBar, Handle window);
void SetMenuItemState(Handle menu, int id, int state);
int MenuItemState(Handle menu, int id);  // MenuEnabled or MenuGreyed; -1 if none

// ShowModal is BeginModal (initialisation, size message, show) followed by
// RunModalLoop (until the window is closed). Tests use the two halves.
void ShowModal(Handle window, MessageHandler handler, int* result);
void BeginModal(Handle window, MessageHandler handler, int* result);
void RunModalLoop(Handle window);
// Ends a window's modal run from its own handler, as closing it does but
// without asking its handler first; `result` is the run's result.
void EndModal(Handle window, int result);

// Handles what is pending; with nothing pending it pauses for
// `pauseMilliseconds`, but only while a window is shown. Returns the number
// of open windows.
int ProcessPendingMessage(int pauseMilliseconds);
int ShowMessage(std::string_view text, int buttons, std::string_view title);

// What the picture control says about its picture: a tooltip for the
// region the pointer rests on, and its accessible description. Nothing is
// drawn. An empty list or text removes them.
struct PictureHint {
    int left = 0;  // picture coordinates; right and bottom exclusive
    int top = 0;
    int right = 0;
    int bottom = 0;
    std::string text;
};
void SetPictureHints(Handle control, std::vector<PictureHint> hints);
void SetPictureDescription(Handle control, std::string_view text);

// The cells of a picture control a click can mark, listed row by row with
// `columns` cells to a row. The keyboard cursor is drawn over them (on the
// screen only, never into the picture), and screen readers see the control
// as a table of these cells, each checked while the picture shows
// `markedFill` at its probe point.
struct PictureCell {
    int left = 0;  // picture coordinates; right and bottom exclusive
    int top = 0;
    int right = 0;
    int bottom = 0;
    int probeX = 0;  // inside the cell, clear of its border and letter
    int probeY = 0;
    std::string name;
};
void SetPictureCells(Handle control, std::vector<PictureCell> cells, int columns, Color markedFill);
// Cells that only show: screen readers are told they cannot be toggled.
void SetPictureReadOnly(Handle control, bool readOnly);
// The cell under the keyboard cursor: an index into those cells, -1 for none.
void SetPictureCursor(Handle control, int cell);

// Values of choices (the entry chosen, from 0), number fields (the number,
// or low - 1 while open) and progress bars (from low to high).
void SetControlRange(Handle control, int low, int high);
int GetControlValue(Handle control);
void SetControlValue(Handle control, int value);
// Decimal fields: from `low` to `high` with `decimals` decimals, typed with
// a comma or a point; they start open. Their number is nothing while open.
void SetControlDecimalRange(Handle control, double low, double high, int decimals);
std::optional<double> GetControlNumber(Handle control);
void SetControlNumber(Handle control, std::optional<double> value);
// The text of a label, push button or text box. A label with a name of its
// own (SetControlAccessibleName) gives screen readers its text as its
// description: the name says what the line is, the description what it says.
void SetControlText(Handle control, std::string_view text);
void SetControlEnabled(Handle control, bool enabled);

// `label` names `control` for screen readers (Linux names a choice by its
// entry and finds its label through this relation).
void SetControlLabel(Handle label, Handle control);

// The name screen readers give a control.
void SetControlAccessibleName(Handle control, std::string_view text);

// Keyboard focus, as window handles (0 for none or a window not ours).
Handle FocusedControl();
void SetFocusTo(Handle control);
