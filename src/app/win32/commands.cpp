#include "platform/win32/windows_api.h"  // first: the system headers below need it

#include "app/win32/commands.h"

#include <commdlg.h>

#include "app/log_file.h"
#include "app/run_output.h"
#include "app/win32/app.h"
#include "app/win32/settings_window.h"
#include "pipeline/build.h"
#include "platform/platform.h"
#include "platform/worker_thread.h"
#include "text/paths.h"

namespace sparlin::win32 {
namespace {

// The donation page; the button id is set when the program is built
// (SPARLIN_PAYPAL_BUTTON_ID).
#ifndef SPARLIN_PAYPAL_BUTTON_ID
#define SPARLIN_PAYPAL_BUTTON_ID "SPARLIN-DONATE-BUTTON-ID"
#endif
constexpr wchar_t kDonationUrl[] = L"https://www.paypal.com/donate/?hosted_button_id=" SPARLIN_PAYPAL_BUTTON_ID;

constexpr wchar_t kDonationQuestion[] =
    L"Thank you for any amount you feel comfortable donating,\n\n"
    L"to keep the [ Sparlin ] project alive and running!\n\n\n\n"
    L"Would you like to open a secure connection to PayPal's website to donate?";

void Compile() {
  App& app = TheApp();
  if (app.session->globals().SourcePath.empty()) return;
  EnableWindow(GetDlgItem(app.main, kControlCompile), FALSE);
  EnableWindow(GetDlgItem(app.main, kControlSettings), FALSE);
  RedrawWindow(app.main, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  // The build's thread tells the main window when it is done, which then
  // gives the focus to a button that can take it.
  HWND main = app.main;
  StartBuildThread(app.session->context(), [main](std::function<void()> build) {
    return platform::StartDetachedThread([main, build = std::move(build)] {
      build();
      PostMessageW(main, kBuildEndedMessage, 0, 0);
    });
  });
}

void OpenWithShell(const UString& path) {
  if (path.empty()) return;
  platform::ShellOpen(path, PathFolder(path));
}

void Donate() {
  App& app = TheApp();
  if (MessageBoxW(app.main, kDonationQuestion, Wide(app.session->globals().Title).c_str(),
                  MB_YESNO | MB_ICONINFORMATION) == IDYES) {
    platform::ShellOpen(FromWide(kDonationUrl, wcslen(kDonationUrl)), u"");
  }
}

void SaveLog() {
  App& app = TheApp();
  UString text = app.session->log().Text();
  if (text.empty()) return;
  platform::LocalDateTime now = platform::LocalNow();
  UString proposed = ProposedLogFileName(app.session->globals().OptimizedSourcePath, now.year, now.month, now.day,
                                         now.hour, now.minute, now.second);
  std::wstring file(32768, L'\0');
  std::wstring wide_proposed = Wide(proposed);
  wide_proposed.copy(file.data(), std::min(wide_proposed.size(), file.size() - 1));
  static const wchar_t kFilter[] = L"Text (*.txt)\0*.txt;\0";
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = app.main;
  dialog.lpstrFilter = kFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = L"Save Log File...";
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT;
  if (!GetSaveFileNameW(&dialog)) return;
  file.resize(wcslen(file.c_str()));
  if (file.empty()) return;
  UString chosen = FromWide(file);
  // Written safely; the source and the build's files are refused (messages).
  if (!SaveLogFile(app.session->context(), chosen)) return;
  if (MessageBoxW(app.main, L"   Would you like to open the Log file?", L"Open Log File...",
                  MB_YESNO | MB_ICONQUESTION) == IDYES) {
    platform::ShellOpen(chosen, PathFolder(chosen));
  }
}

}  // namespace

void RunCommand(int control) {
  App& app = TheApp();
  GlobalValues& g = app.session->globals();
  switch (control) {
    case kControlCompile: Compile(); break;
    case kControlOpenFolder:
      if (!g.SourcePath.empty()) platform::ShellOpen(PathFolder(g.SourcePath), u"");
      break;
    case kControlRunOutput:
      if (!g.OutputPath.empty()) StartRunOutputThread(g, app.host);
      break;
    case kControlOpenAsm: OpenWithShell(g.AsmPath); break;
    case kControlOpenPb: OpenWithShell(g.OptimizedSourcePath); break;
    case kControlSettings: OpenSettingsWindow(); break;
    case kControlDonate: Donate(); break;
    case kControlSaveLog: SaveLog(); break;
  }
}

}  // namespace sparlin::win32
