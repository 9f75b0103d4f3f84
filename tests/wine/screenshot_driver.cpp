// Brings Sparlin.exe into the states that the README's screenshots show, for
// scripts/windows/screenshots.sh: started on a project, built, then with the
// Settings window open. Between the states it writes the window's screen
// rectangle to "<name>.ready" in the handshake folder and waits for
// "<name>.done" from the script that takes the picture.
//
//   screenshot_driver.exe HANDSHAKE_FOLDER PROJECT_FOLDER SOURCE_FILE [NAME_SUFFIX]
//
// The suffix is added to the names of the states ("main-window-144dpi").
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "sparlin_driver.h"
#include "wine_paths.h"

using namespace sparlin::wine_tests;

namespace {

bool Handshake(const std::wstring& folder, const std::wstring& name, HWND window) {
  SetCursorPos(1, 1);  // no hover effects or tooltips in the picture
  Sleep(400);
  RECT r;
  GetWindowRect(window, &r);
  {
    std::ofstream out(std::filesystem::path(folder + name + L".tmp"));
    out << (r.right - r.left) << "x" << (r.bottom - r.top) << "+" << r.left << "+" << r.top << "\n";
  }
  MoveFileExW((folder + name + L".tmp").c_str(), (folder + name + L".ready").c_str(), MOVEFILE_REPLACE_EXISTING);
  return WaitFor([&] { return GetFileAttributesW((folder + name + L".done").c_str()) != INVALID_FILE_ATTRIBUTES; },
                 60000);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4 && argc != 5) return 2;
  std::wstring handshake = argv[1], project = argv[2], source = argv[3];
  std::wstring suffix = argc == 5 ? argv[4] : L"";
  std::wstring output = source.substr(0, source.rfind(L'.')) + L".exe";
  SparlinProcess app(project, L"\"" + source + L"\"",
                     {{L"PB_TOOL_Compiler", StandinCompiler()}, {L"PB_TOOL_Executable", output}});
  if (!app.started()) return 1;
  Click(app.MainControl(1));
  if (!WaitFor([&] { return Text(app.LogView()).find(L"\tTime: ") != std::wstring::npos; }, 60000)) return 1;
  Sleep(500);
  if (!Handshake(handshake, L"main-window" + suffix, app.main())) return 1;
  // The Settings button is disabled after a build: a second launch shows
  // the Settings window before any build.
  app.CloseAndWait();
  SparlinProcess fresh(project, L"\"" + source + L"\"",
                       {{L"PB_TOOL_Compiler", StandinCompiler()}, {L"PB_TOOL_Executable", output}});
  if (!fresh.started()) return 1;
  Click(fresh.MainControl(7));
  Sleep(500);
  if (!Handshake(handshake, L"settings-window" + suffix, fresh.settings())) return 1;
  Click(fresh.SettingsControl(37));
  return fresh.CloseAndWait() == 0 ? 0 : 1;
}
