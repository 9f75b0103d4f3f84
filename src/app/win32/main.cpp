// Sparlin.exe: start-up, the event loop and the exit steps.
#include "platform/win32/windows_api.h"  // first: the system headers below need it

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include "app/win32/app.h"
#include "app/win32/dpi.h"
#include "app/win32/keyboard.h"
#include "app/win32/log_view.h"
#include "app/win32/main_window.h"
#include "app/win32/settings_window.h"

namespace sparlin::win32 {
namespace {

// Parameters 1 and 2 of the command line, by the system's splitting rules.
void ReadParameters(UString& parameter1, UString& parameter2) {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!args) return;
  if (count > 1) parameter1 = FromWide(args[1], wcslen(args[1]));
  if (count > 2) parameter2 = FromWide(args[2], wcslen(args[2]));
  LocalFree(args);
}

void RepaintCompletely(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Dispatch(MSG& message) {
  if (HandleDialogKey(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

// Dispatches window messages until the main window closes. While log text
// waits in the feed, one piece of it goes into the view whenever no message
// is waiting: the window answers between pieces, and the view redraws once
// per piece.
void RunEventLoop(LogFeed& feed) {
  MSG message;
  for (;;) {
    if (!feed.Empty()) {
      if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) return;
        Dispatch(message);
      } else {
        UString piece;
        if (feed.Pop(piece)) AppendToLogView(piece);
      }
      continue;
    }
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) return;
    Dispatch(message);
  }
}

int Run() {
  App& app = TheApp();
  app.main_thread = GetCurrentThreadId();
  DeclarePerMonitorDpiAwareness();
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS |
                                                     ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  UString parameter1, parameter2;
  ReadParameters(parameter1, parameter2);
  app.session = std::make_unique<Session>(LaunchParameters::FromEnvironment(parameter1, parameter2), app.host);

  app.settings_file.CreateIfMissing();
  OptionValues values = StartupOptionValues(app.settings_file);

  HWND main = CreateMainWindow();
  app.session->WriteBanner();
  HWND settings = CreateSettingsWindow(main, values);
  // The stored Suffix names the created file from the start.
  app.session->ApplySuffix(values.suffix);

  // Sizing the window once applies the layout before it is first shown.
  RECT client;
  GetClientRect(main, &client);
  SendMessageW(main, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
  RepaintCompletely(main);
  RepaintCompletely(settings);
  HWND compile = GetDlgItem(main, kControlCompile);
  SetFocusOnActivation(main, compile);
  ShowWindow(main, SW_SHOW);
  SetFocus(compile);

  RunEventLoop(app.log_feed);

  // Exit steps: the windows still exist, so the checkbox can be read.
  app.session->RunExitSteps(ReadOptionControl(Option::DelOnExit) != 0);
  DeleteObject(app.settings_brush);
  DestroyWindow(main);
  // Ends the workers too, wherever they are.
  ExitProcess(0);
}

}  // namespace
}  // namespace sparlin::win32

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return sparlin::win32::Run(); }
