// The Settings window: its controls are the live option values that the
// stages read.
#pragma once

#include "core/options.h"
#include "platform/win32/windows_api.h"

namespace sparlin::win32 {

// Creates the hidden Settings window owned by `main`, puts `values` into its
// controls (with the group rules) and installs SettingsWindowProc.
HWND CreateSettingsWindow(HWND main, const OptionValues& values);

// Disables (non-zero) or enables (zero) the dependent controls of a group
// checkbox (16, 22, 33); other numbers do nothing.
void SetOptionGroupDisabled(int group, int disabled);

// The value of one option's control: checkbox 0/1, number field 1..99.
int ReadOptionControl(Option option);
// All controls, Suffix text as typed.
OptionValues ReadOptionControls();

// The Settings button: disables the main window and shows the Settings
// window with the focus on its first control.
void OpenSettingsWindow();

// The Settings window's close request (close box or Close button): hide,
// save, recompute the created file's name, enable the main window.
void CloseSettingsWindow();

}  // namespace sparlin::win32
