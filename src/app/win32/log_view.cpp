#include "platform/win32/windows_api.h"  // first: the system headers below need it

#include "app/win32/log_view.h"

#include <richedit.h>

#include "app/win32/app.h"
#include "app/win32/window_common.h"

namespace sparlin::win32 {
namespace {

const wchar_t* RichEditClass() {
  if (LoadLibraryW(L"Msftedit.dll")) return MSFTEDIT_CLASS;
  LoadLibraryW(L"Riched20.dll");
  return RICHEDIT_CLASSW;
}

}  // namespace

HWND CreateLogView(HWND main) {
  HWND container = CreateControl(main, L"STATIC", u"", WS_CLIPCHILDREN, 5, 5, 685, 399, kControlContainer);
  HWND view = CreateControl(container, RichEditClass(), u"",
                            ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_CLIPSIBLINGS, -2, -2,
                            688, 402, kControlLogView);
  // The default limit of 32767 characters would cut a long build's log.
  SendMessageW(view, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  SendMessageW(view, EM_SETBKGNDCOLOR, 0, RGB(175, 175, 175));
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.crTextColor = RGB(41, 41, 41);
  SendMessageW(view, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  SendMessageW(view, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  // The container's one-pixel border, applied at once.
  SetWindowLongPtrW(container, GWL_STYLE, GetWindowLongPtrW(container, GWL_STYLE) | WS_BORDER);
  SetWindowPos(container, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  return view;
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
