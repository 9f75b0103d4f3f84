#include "platform/win32/windows_api.h"  // first: the system headers below need it

#include "app/win32/window_common.h"

#include <commctrl.h>

#include <map>

#include "app/win32/dpi.h"
#include "app/win32/resource_ids.h"
#include "core/build_host.h"

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

HWND CreateControl(HWND parent, const wchar_t* class_name, const char16_t* caption, DWORD style, int x, int y,
                   int width, int height, int control, DWORD ex_style) {
  UINT dpi = WindowDpi(parent);
  HWND hwnd = CreateWindowExW(ex_style, class_name, reinterpret_cast<const wchar_t*>(caption),
                              WS_CHILD | WS_VISIBLE | style, Scale(x, dpi), Scale(y, dpi), Scale(width, dpi),
                              Scale(height, dpi), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control)),
                              GetModuleHandleW(nullptr), nullptr);
  if (hwnd) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFontAt(dpi)), FALSE);
  return hwnd;
}

void PlaceScaled(HWND control, int x, int y, int width, int height, UINT dpi) {
  SetWindowPos(control, nullptr, Scale(x, dpi), Scale(y, dpi), Scale(width, dpi), Scale(height, dpi),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetDialogFontOfChildren(HWND window, UINT dpi) {
  struct Job {
    HFONT font;
    HWND log_view;
  } job{DialogFontAt(dpi), GetDlgItem(GetDlgItem(window, kControlContainer), kControlLogView)};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM lparam) -> BOOL {
        const auto* j = reinterpret_cast<const Job*>(lparam);
        if (child != j->log_view) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(j->font), TRUE);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&job));
}

void MoveToSuggestedRect(HWND window, LPARAM suggested) {
  const RECT& r = *reinterpret_cast<const RECT*>(suggested);
  SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetProgramIcon(HWND window, UINT dpi) {
  // One icon per pixel size, loaded once and kept for the program's life.
  static std::map<int, HICON> icons;
  auto icon_of_size = [](int size) {
    HICON& icon = icons[size];
    if (!icon) {
      icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(SPARLIN_RES_ICON),
                                           IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    }
    return icon;
  };
  if (HICON big = icon_of_size(SystemMetricAt(SM_CXICON, dpi))) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  }
  if (HICON small = icon_of_size(SystemMetricAt(SM_CXSMICON, dpi))) {
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  }
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
  // Sized for the system DPI first; a window that opens on a display of
  // another DPI is sized again for that one.
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  struct Placement {
    int x, y, width, height;
  };
  auto centred = [&](UINT dpi) {
    SIZE outer = OuterSizeFor(Scale(inner_width, dpi), Scale(inner_height, dpi), style, dpi);
    return Placement{work.left + (work.right - work.left - outer.cx) / 2,
                     work.top + (work.bottom - work.top - outer.cy) / 2, outer.cx, outer.cy};
  };
  UINT dpi = SystemDpi();
  Placement p = centred(dpi);
  HWND window = CreateWindowExW(0, class_name, reinterpret_cast<const wchar_t*>(caption), style, p.x, p.y, p.width,
                                p.height, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window && WindowDpi(window) != dpi) {
    p = centred(WindowDpi(window));
    SetWindowPos(window, nullptr, p.x, p.y, p.width, p.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return window;
}

}  // namespace sparlin::win32
