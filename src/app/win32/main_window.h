// The main window: the run log, the progress line and the command buttons.
#pragma once

#include "platform/win32/windows_api.h"

namespace sparlin::win32 {

// Creates the hidden main window with its controls (log view, progress bar,
// buttons, tooltips) and installs MainWindowProc.
HWND CreateMainWindow();

// Places the controls for the inner size W x H.
void ApplyMainLayout(HWND main, int width, int height);

}  // namespace sparlin::win32
