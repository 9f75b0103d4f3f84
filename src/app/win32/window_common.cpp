#include "platform/win32/windows_api.h"  // first: the system headers below need it

#include "app/win32/window_common.h"

#include <commctrl.h>

namespace sparlin::win32 {

POINT RectCenter(const RECT& rect) {
  return POINT{rect.left + (rect.right - rect.left) / 2, rect.top + (rect.bottom - rect.top) / 2};
}

void SnapCursorToButton(HWND window, HWND button) {
  BOOL snap = FALSE;
  if (!SystemParametersInfoW(SPI_GETSNAPTODEFBUTTON, 0, &snap, 0) || !snap) return;
  if (GetForegroundWindow() != window || !button) return;
  RECT rect;
  if (!GetWindowRect(button, &rect)) return;
  POINT center = RectCenter(rect);
  SetCursorPos(center.x, center.y);
}

bool HandleSharedWindowMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, HBRUSH brush,
                               int default_button, SUBCLASSPROC proc, UINT_PTR id, LRESULT& result) {
  switch (message) {
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    case WM_SHOWWINDOW:
      if (wparam == TRUE && lparam == 0) PostMessageW(hwnd, kSnapCursorMessage, 0, 0);
      break;
    case kSnapCursorMessage: SnapCursorToButton(hwnd, GetDlgItem(hwnd, default_button)); break;
    case WM_NCDESTROY: RemoveWindowSubclass(hwnd, proc, id); break;
  }
  return false;
}

HFONT DialogFont() {
  // "MS Shell Dlg" 8 pt, the font the window layout was made for.
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HWND CreateControl(HWND parent, const wchar_t* class_name, const char16_t* caption, DWORD style, int x, int y,
                   int width, int height, int control, DWORD ex_style) {
  HWND hwnd = CreateWindowExW(ex_style, class_name, reinterpret_cast<const wchar_t*>(caption),
                              WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(control)), GetModuleHandleW(nullptr),
                              nullptr);
  if (hwnd) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
  return hwnd;
}

HWND CreateTooltips(HWND parent) {
  HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, 600);
  return tips;
}

void AddTooltip(HWND tooltips, HWND parent, int control, const char16_t* text) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = parent;
  tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(parent, control));
  tool.lpszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(text));
  SendMessageW(tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

HWND CreateCenteredWindow(const wchar_t* class_name, const char16_t* caption, DWORD style, int inner_width,
                          int inner_height, HWND owner) {
  RECT frame{0, 0, inner_width, inner_height};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  int x = work.left + (work.right - work.left - width) / 2;
  int y = work.top + (work.bottom - work.top - height) / 2;
  return CreateWindowExW(0, class_name, reinterpret_cast<const wchar_t*>(caption), style, x, y, width, height, owner,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace sparlin::win32
