#include "platform/win32/windows_api.h"  // first: the system headers below need it

#include "app/win32/main_window.h"

#include <commctrl.h>

#include "app/win32/app.h"
#include "app/win32/commands.h"
#include "app/win32/donate_picture.h"
#include "app/win32/dpi.h"
#include "app/win32/keyboard.h"
#include "app/win32/log_view.h"
#include "app/win32/resource_ids.h"
#include "app/win32/window_common.h"

namespace sparlin::win32 {
namespace {

constexpr wchar_t kMainClass[] = L"SparlinMainWindow";
constexpr int kInnerWidth = 695;
constexpr int kInnerHeight = 445;
// The smallest inner size: the bottom row whole, with the same margin on the
// left as on the right, and a few lines of the log.
constexpr int kMinInnerWidth = 695;
constexpr int kMinInnerHeight = 150;
constexpr UINT_PTR kSubclassId = 1;

struct BottomButton {
  int control;
  const char16_t* caption;  // none for the image button
  int right_offset;         // x = W - right_offset
  int width;
  const char16_t* tooltip;
};
// Left to right.
constexpr BottomButton kButtons[] = {
    {kControlDonate, nullptr, 690, 55, u" Donate with PayPal "},
    {kControlSaveLog, u"Save Log", 630, 80, u" Save and open the Log file "},
    {kControlOpenPb, u"Open .pb", 530, 80, u" Open the optimized PB file (Close the prev. opened file first!)"},
    {kControlOpenAsm, u"Open .asm", 445, 80, u" Open the optimized ASM file  "},
    {kControlOpenFolder, u"Open Folder", 360, 80, u" Open the project folder "},
    {kControlRunOutput, u"Run Output", 275, 80, u" Run the compiled file "},
    {kControlSettings, u"Settings", 175, 80, u" Compiler Settings "},
    {kControlCompile, u"Compile", 90, 85, u" Compile the active source file "},
};
constexpr int kButtonHeight = 30;

// Lets the messages that the layout queued (the moved controls' paints among
// them) run before the resize returns. A quit request met here is put back
// for the event loop.
void ProcessPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  LRESULT result = 0;
  if (message == WM_SIZE) {
    result = DefSubclassProc(hwnd, message, wparam, lparam);
    RECT client;
    GetClientRect(hwnd, &client);
    ApplyMainLayout(hwnd, client.right, client.bottom);
    ProcessPendingMessages();
    return result;
  }
  if (HandleSharedWindowMessage(hwnd, message, wparam, lparam, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)),
                                kControlCompile, MainWindowProc, kSubclassId, result)) {
    return result;
  }
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

// The window's own procedure: its buttons, the log appends of the worker
// threads, and its close request, which ends the event loop.
LRESULT CALLBACK MainEventProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED && lparam != 0) {
        RunCommand(LOWORD(wparam));
        return 0;
      }
      break;
    case kLogPendingMessage: return 0;  // only wakes the event loop, which shows the pieces
    case kBuildEndedMessage: FocusAfterBuild(hwnd); return 0;
    case DM_GETDEFID: return MAKELRESULT(DefaultButtonFor(hwnd, kControlCompile), DC_HASDEFID);
    case WM_ACTIVATE: KeepFocusAcrossActivation(hwnd, wparam); return 0;
    case WM_GETMINMAXINFO: {
      UINT dpi = WindowDpi(hwnd);
      SIZE least = OuterSizeFor(Scale(kMinInnerWidth, dpi), Scale(kMinInnerHeight, dpi),
                                static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)), dpi);
      auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
      info->ptMinTrackSize = POINT{least.cx, least.cy};
      return 0;
    }
    case WM_DPICHANGED:
      SetDialogFontOfChildren(hwnd, HIWORD(wparam));
      SetLogViewDpi(HIWORD(wparam));
      SetProgramIcon(hwnd, HIWORD(wparam));
      MoveToSuggestedRect(hwnd, lparam);  // its WM_SIZE places the controls
      return 0;
    case WM_CLOSE: PostQuitMessage(0); return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

void ApplyMainLayout(HWND main, int width, int height) {
  // Offsets and sizes are those of 96 DPI, scaled; W and H are the window's
  // own pixels.
  UINT dpi = WindowDpi(main);
  auto s = [dpi](int value) { return Scale(value, dpi); };
  constexpr UINT kFlags = SWP_NOZORDER | SWP_NOACTIVATE;
  HWND container = GetDlgItem(main, kControlContainer);
  for (const BottomButton& b : kButtons) {
    SetWindowPos(GetDlgItem(main, b.control), nullptr, width - s(b.right_offset), height - s(35), s(b.width),
                 s(kButtonHeight), kFlags);
  }
  // The container ends where the progress line begins; the log view reaches
  // 3 pixels (at 96 DPI) past the container's lower and right edges.
  int log_bottom = height - s(41);
  SetWindowPos(container, nullptr, s(5), s(5), width - s(10), log_bottom - s(5), kFlags);
  SetWindowPos(GetDlgItem(container, kControlLogView), nullptr, -s(2), -s(2), width - s(7), log_bottom - s(2), kFlags);
  SetWindowPos(GetDlgItem(main, kControlProgress), nullptr, s(5), log_bottom, width - s(10), s(1), kFlags);
}

HWND CreateMainWindow() {
  App& app = TheApp();
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = MainEventProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(SPARLIN_RES_ICON));
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  wc.lpszClassName = kMainClass;
  RegisterClassExW(&wc);

  // Clipping the children keeps the buttons drawn when a resize moves them.
  HWND main = CreateCenteredWindow(kMainClass, app.session->globals().Title.c_str(),
                                   WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, kInnerWidth, kInnerHeight, nullptr);
  app.main = main;
  SetWindowSubclass(main, MainWindowProc, kSubclassId, 0);
  SetProgramIcon(main, WindowDpi(main));

  HWND progress = CreateControl(main, PROGRESS_CLASSW, u"", 0, 5, kInnerHeight - 41, kInnerWidth - 10, 1,
                                kControlProgress);
  SendMessageW(progress, PBM_SETRANGE32, 0, 100);
  app.log_view = CreateLogView(main);

  // Left to right, which is also the order of the Tab key.
  for (const BottomButton& b : kButtons) {
    DWORD style = WS_TABSTOP | (b.control == kControlCompile ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    if (!b.caption) style |= BS_BITMAP;
    HWND button = CreateControl(main, L"BUTTON", b.caption ? b.caption : u"", style, kInnerWidth - b.right_offset,
                                kInnerHeight - 35, b.width, kButtonHeight, b.control);
    if (!b.caption) {
      if (HBITMAP picture = LoadDonateBitmap()) {
        SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
      }
    }
  }
  HWND tips = CreateTooltips(main);
  for (const BottomButton& b : kButtons) AddTooltip(tips, main, b.control, b.tooltip);
  for (int control : {kControlOpenFolder, kControlRunOutput, kControlOpenAsm, kControlOpenPb, kControlSaveLog}) {
    EnableWindow(GetDlgItem(main, control), FALSE);
  }
  return main;
}

}  // namespace sparlin::win32
