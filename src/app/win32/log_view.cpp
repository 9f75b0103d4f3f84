#include "platform/win32/windows_api.h"  // first: the system headers below need it

#include "app/win32/log_view.h"

#include <commctrl.h>
#include <richedit.h>

#include "app/win32/app.h"
#include "app/win32/dpi.h"
#include "app/win32/window_common.h"

namespace sparlin::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

const wchar_t* RichEditClass() {
  if (LoadLibraryW(L"Msftedit.dll")) return MSFTEDIT_CLASS;
  LoadLibraryW(L"Riched20.dll");
  return RICHEDIT_CLASSW;
}

// The view is read-only: Tab, Shift+Tab and Enter keep their meaning for the
// window (next control, previous control, the default button) when it has
// the focus; arrows, page keys and copying stay with the view.
LRESULT CALLBACK LogViewProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  if (message == WM_GETDLGCODE) {
    return DefSubclassProc(hwnd, message, wparam, lparam) & ~(DLGC_WANTTAB | DLGC_WANTALLKEYS);
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, LogViewProc, kSubclassId);
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

void SetTextColour(HWND view) {
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.crTextColor = RGB(41, 41, 41);
  SendMessageW(view, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  SendMessageW(view, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
}

// The distance of the view's tab stops: half an inch at 96 DPI, its own
// default there. On other displays it grows as the text grows, by the DPI
// where the font scales smoothly and by less where the display font has only
// a few fixed sizes, so that the banner's paths keep to their column.
int TabIntervalPixels(UINT dpi) {
  constexpr int kHalfInchAt96 = 48;
  static const wchar_t kSample[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  HDC dc = GetDC(nullptr);
  auto width = [dc](HFONT font) {
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, kSample, static_cast<int>(wcslen(kSample)), &size);
    SelectObject(dc, previous);
    return static_cast<int>(size.cx);
  };
  int at_base = width(DialogFontAt(kBaseDpi));
  int at_dpi = width(DialogFontAt(dpi));
  ReleaseDC(nullptr, dc);
  return at_base > 0 && at_dpi > 0 ? MulDiv(kHalfInchAt96, at_dpi, at_base) : Scale(kHalfInchAt96, dpi);
}

// The view takes tab stops in twips, which it turns into pixels at the DPI
// of its device context (not always the window's).
void SetTabStops(HWND view, UINT dpi) {
  HDC dc = GetDC(view);
  int dc_dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(view, dc);
  if (dc_dpi <= 0) dc_dpi = static_cast<int>(kBaseDpi);
  int interval = TabIntervalPixels(dpi);
  PARAFORMAT2 format{};
  format.cbSize = sizeof format;
  format.dwMask = PFM_TABSTOPS;
  format.cTabCount = MAX_TAB_STOPS;
  for (int i = 0; i < MAX_TAB_STOPS; ++i) format.rgxTabs[i] = MulDiv(interval * (i + 1), 1440, dc_dpi);
  CHARRANGE all{0, -1}, none{-1, -1};
  SendMessageW(view, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
  SendMessageW(view, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
  SendMessageW(view, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&none));
}

}  // namespace

HWND CreateLogView(HWND main) {
  // A control parent: the Tab key reaches the view inside it.
  HWND container =
      CreateControl(main, L"STATIC", u"", WS_CLIPCHILDREN, 5, 5, 685, 399, kControlContainer, WS_EX_CONTROLPARENT);
  HWND view = CreateControl(container, RichEditClass(), u"",
                            ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_CLIPSIBLINGS | WS_TABSTOP,
                            -2, -2, 688, 402, kControlLogView);
  SetWindowSubclass(view, LogViewProc, kSubclassId, 0);
  // The default limit of 32767 characters would cut a long build's log.
  SendMessageW(view, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  SendMessageW(view, EM_SETBKGNDCOLOR, 0, RGB(175, 175, 175));
  SetTextColour(view);
  SetTabStops(view, WindowDpi(main));
  // The container's one-pixel border, applied at once.
  SetWindowLongPtrW(container, GWL_STYLE, GetWindowLongPtrW(container, GWL_STYLE) | WS_BORDER);
  SetWindowPos(container, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  return view;
}

void SetLogViewDpi(UINT dpi) {
  HWND view = TheApp().log_view;
  SendMessageW(view, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFontAt(dpi)), TRUE);
  SetTextColour(view);
  SetTabStops(view, dpi);
  SendMessageW(view, EM_SCROLLCARET, 0, 0);
}

void AppendToLogView(const UString& chunk) {
  HWND view = TheApp().log_view;
  GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
  LONG end = static_cast<LONG>(SendMessageW(view, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
  CHARRANGE caret{end, end};
  SendMessageW(view, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  std::wstring text = Wide(chunk);
  SendMessageW(view, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageW(view, EM_SETSEL, static_cast<WPARAM>(-1), -1);
  SendMessageW(view, EM_SCROLLCARET, 0, 0);
}

}  // namespace sparlin::win32
