// Pieces both windows share: control creation, tooltips, the cursor snap to
// a window's default button, and the private message that triggers it.
#pragma once

#include "platform/win32/windows_api.h"

#include <commctrl.h>

namespace sparlin::win32 {

// Posted by a window to itself when it is shown, so that the cursor moves
// after the showing is complete. In the application's own message range:
// numbers above 0xFFFF cannot be posted.
constexpr UINT kSnapCursorMessage = WM_APP + 1;

// The centre of a rectangle, with integer division.
POINT RectCenter(const RECT& rect);

// When the system's snap-to-default-button setting is on and `window` is
// the foreground window, moves the cursor to the centre of `button`.
void SnapCursorToButton(HWND window, HWND button);

// What both windows' subclass procedures do alike: control colours drawn
// transparently on `brush`, the cursor snap to `default_button` after a show
// call, and the removal of the subclass (`proc`, `id`) when the window goes.
// True, with `result` set, when the message is answered here; otherwise it
// goes on to the default subclass processing.
bool HandleSharedWindowMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, HBRUSH brush,
                               int default_button, SUBCLASSPROC proc, UINT_PTR id, LRESULT& result);

// A child control at client position (x, y) with the given size (pixels at
// 96 DPI, scaled to the parent's DPI), caption and control number, in the
// program's dialog font at that DPI.
HWND CreateControl(HWND parent, const wchar_t* class_name, const char16_t* caption, DWORD style, int x, int y,
                   int width, int height, int control, DWORD ex_style = 0);

// Places a child at (x, y) with the given size, in pixels at 96 DPI scaled
// to `dpi`.
void PlaceScaled(HWND control, int x, int y, int width, int height, UINT dpi);

// Gives every child of `window` (and their children) the dialog font at
// `dpi`; the log view keeps its own font.
void SetDialogFontOfChildren(HWND window, UINT dpi);

// Moves a top-level window to the rectangle that WM_DPICHANGED suggests.
void MoveToSuggestedRect(HWND window, LPARAM suggested);

// The window's icon at the sizes its caption and the taskbar use at `dpi`.
void SetProgramIcon(HWND window, UINT dpi);

// A tooltip window for `parent` and one tool per control.
HWND CreateTooltips(HWND parent);
void AddTooltip(HWND tooltips, HWND parent, int control, const char16_t* text);

// A top-level window of the given inner size (pixels at 96 DPI, scaled to
// the window's DPI), centred on the screen, hidden.
HWND CreateCenteredWindow(const wchar_t* class_name, const char16_t* caption, DWORD style, int inner_width,
                          int inner_height, HWND owner);

}  // namespace sparlin::win32
