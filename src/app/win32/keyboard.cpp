#include "platform/win32/windows_api.h"  // first: the system headers below need it

#include "app/win32/keyboard.h"

#include "app/win32/app.h"

namespace sparlin::win32 {
namespace {

// The window property that holds the control to focus on activation.
constexpr wchar_t kFocusProperty[] = L"SparlinFocus";

bool IsPushButton(HWND control) {
  wchar_t name[16] = {};
  GetClassNameW(control, name, 16);
  if (_wcsicmp(name, L"Button") != 0) return false;
  LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

bool CanTakeFocus(HWND window, HWND control) {
  return control && IsChild(window, control) && IsWindowVisible(control) && IsWindowEnabled(control);
}

void FocusNow(HWND window, HWND control) {
  if (!CanTakeFocus(window, control)) control = GetNextDlgTabItem(window, nullptr, FALSE);
  if (control) SetFocus(control);
}

}  // namespace

bool HandleDialogKey(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !message.hwnd) return false;
  App& app = TheApp();
  HWND window = GetAncestor(message.hwnd, GA_ROOT);
  if (window != app.main && window != app.settings) return false;
  // The main window has nothing that Esc could cancel; the dialog manager
  // would press its control 2 (Open Folder), the number of IDCANCEL.
  if (window == app.main && message.wParam == VK_ESCAPE) return false;
  return IsDialogMessageW(window, &message) != FALSE;
}

void KeepFocusAcrossActivation(HWND window, WPARAM wparam) {
  if (LOWORD(wparam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus)) SetPropW(window, kFocusProperty, focus);
    return;
  }
  if (HIWORD(wparam)) return;  // minimised: no focus inside
  FocusNow(window, static_cast<HWND>(GetPropW(window, kFocusProperty)));
}

void SetFocusOnActivation(HWND window, HWND control) {
  if (control) SetPropW(window, kFocusProperty, control);
  else RemovePropW(window, kFocusProperty);
  if (GetActiveWindow() == window) FocusNow(window, control);
}

int DefaultButtonFor(HWND window, int default_button) {
  HWND focus = GetFocus();
  if (CanTakeFocus(window, focus) && IsPushButton(focus)) return GetDlgCtrlID(focus);
  return default_button;
}

void FocusAfterBuild(HWND main) {
  constexpr int kRow[] = {kControlSaveLog, kControlOpenPb,    kControlOpenAsm, kControlOpenFolder,
                          kControlRunOutput, kControlSettings, kControlCompile};
  HWND target = GetDlgItem(main, kControlDonate);
  for (int control : kRow) {
    HWND button = GetDlgItem(main, control);
    if (IsWindowEnabled(button)) {
      target = button;
      break;
    }
  }
  SetFocusOnActivation(main, target);
}

}  // namespace sparlin::win32
