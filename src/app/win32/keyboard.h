// The keyboard in both windows: the dialog keys (Tab, Shift+Tab, Space,
// Enter, Esc in Settings), where the focus goes when a window is activated
// again, which button Enter presses, and where the focus goes after a build.
#pragma once

#include "platform/win32/windows_api.h"

namespace sparlin::win32 {

// Event loop: handles a key message of either window as a dialog does; true
// when it was handled (the message is then not dispatched).
bool HandleDialogKey(MSG& message);

// WM_ACTIVATE of either window: remembers the focused control when the
// window loses the activation and gives the focus back to it (or to the
// first control of the Tab order) when the window is activated again.
void KeepFocusAcrossActivation(HWND window, WPARAM wparam);

// The control that gets the focus the next time `window` is activated; it
// gets it now when the window is active. Null: the first of the Tab order.
void SetFocusOnActivation(HWND window, HWND control);

// DM_GETDEFID: the number of the button that Enter presses, the focused push
// button or else `default_button`.
int DefaultButtonFor(HWND window, int default_button);

// After a build: the focus goes to the first enabled button of the bottom
// row after the image button (the image button when none is enabled).
void FocusAfterBuild(HWND main);

}  // namespace sparlin::win32
