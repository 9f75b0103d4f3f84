#include "platform/win32/windows_api.h"  // first: the system headers below need it

#include "app/win32/main_window.h"

#include <commctrl.h>

#include "app/win32/app.h"
#include "app/win32/commands.h"
#include "app/win32/donate_picture.h"
#include "app/win32/log_view.h"
#include "app/win32/window_common.h"

namespace sparlin::win32 {
namespace {

constexpr wchar_t kMainClass[] = L"SparlinMainWindow";
constexpr int kInnerWidth = 695;
constexpr int kInnerHeight = 445;
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
    case kLogAppendMessage: AppendToLogView(*reinterpret_cast<const UString*>(lparam)); return 0;
    case WM_CLOSE: PostQuitMessage(0); return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

void ApplyMainLayout(HWND main, int width, int height) {
  HWND container = GetDlgItem(main, kControlContainer);
  HWND view = GetDlgItem(container, kControlLogView);
  HWND progress = GetDlgItem(main, kControlProgress);
  for (const BottomButton& b : kButtons) {
    SetWindowPos(GetDlgItem(main, b.control), nullptr, width - b.right_offset, height - 35, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SetWindowPos(container, nullptr, 0, 0, width - 10, height - 46, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(view, nullptr, 0, 0, width - 7, height - 43, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The progress line keeps its x and height.
  RECT bar;
  GetWindowRect(progress, &bar);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&bar), 2);
  SetWindowPos(progress, nullptr, bar.left, height - 41, width - 10, bar.bottom - bar.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND CreateMainWindow() {
  App& app = TheApp();
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = MainEventProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  wc.lpszClassName = kMainClass;
  RegisterClassExW(&wc);

  // Clipping the children keeps the buttons drawn when a resize moves them.
  HWND main = CreateCenteredWindow(kMainClass, app.session->globals().Title.c_str(),
                                   WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, kInnerWidth, kInnerHeight, nullptr);
  app.main = main;
  SetWindowSubclass(main, MainWindowProc, kSubclassId, 0);

  HWND progress = CreateControl(main, PROGRESS_CLASSW, u"", 0, 5, kInnerHeight - 41, kInnerWidth - 10, 1,
                                kControlProgress);
  SendMessageW(progress, PBM_SETRANGE32, 0, 100);
  app.log_view = CreateLogView(main);

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
