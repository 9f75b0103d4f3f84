// Sparlin.exe: start-up, the event loop and the exit steps.
#include "platform/win32/windows_api.h"  // first: the system headers below need it

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include "app/win32/app.h"
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

int Run() {
  App& app = TheApp();
  app.main_thread = GetCurrentThreadId();
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
  ShowWindow(main, SW_SHOW);
  SetFocus(GetDlgItem(main, kControlCompile));

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }

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
