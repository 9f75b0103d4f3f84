// Black-box tests of Sparlin.exe: the program runs as the IDE starts it; a
// test reads its windows and presses its buttons from outside.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <vector>

#include "platform/os_calls.h"
#include "platform/platform.h"
#include "platform/win32/windows_api.h"
#include "sparlin_driver.h"
#include "wine_paths.h"

namespace sparlin::wine_tests {
namespace {

struct Expected {
  int control;
  std::wstring caption;
  Box box;
};

// The main window's controls for the inner size W x H.
std::vector<Expected> MainLayout(int w, int h) {
  return {
      {8, L"", {w - 690, h - 35, 55, 30}},         {9, L"Save Log", {w - 630, h - 35, 80, 30}},
      {5, L"Open .pb", {w - 530, h - 35, 80, 30}}, {4, L"Open .asm", {w - 445, h - 35, 80, 30}},
      {2, L"Open Folder", {w - 360, h - 35, 80, 30}}, {3, L"Run Output", {w - 275, h - 35, 80, 30}},
      {7, L"Settings", {w - 175, h - 35, 80, 30}}, {1, L"Compile", {w - 90, h - 35, 85, 30}},
      {6, L"", {5, 5, w - 10, h - 46}},             {10, L"", {5, h - 41, w - 10, 1}},
  };
}

void ExpectMainLayout(const SparlinProcess& app, int w, int h) {
  SCOPED_TRACE(::testing::Message() << "inner size " << w << " x " << h);
  EXPECT_EQ(ClientSize(app.main()), (Box{0, 0, w, h}));
  for (const Expected& e : MainLayout(w, h)) {
    HWND control = app.MainControl(e.control);
    ASSERT_TRUE(control) << "control " << e.control;
    EXPECT_EQ(BoxOf(control, app.main()), e.box) << "control " << e.control;
    EXPECT_EQ(Text(control), e.caption) << "control " << e.control;
  }
  HWND container = app.MainControl(6);
  EXPECT_EQ(BoxOf(app.LogView(), container), (Box{-2, -2, w - 7, h - 43}));
}

const std::vector<Expected> kSettingsLayout = {
    {15, L"", {13, 14, 360, 90}},
    {16, L" Create .pb", {8, 10, 73, 21}},
    {17, L"Suffix:", {29, 39, 32, 21}},
    {18, L"_Sparl", {63, 40, 107, 19}},
    {19, L" Remove Resolved Macros", {29, 65, 165, 21}},
    {20, L" Remove Uncalled Procedures", {199, 65, 165, 21}},
    {21, L" ", {13, 119, 360, 142}},
    {22, L" Create .asm", {8, 115, 80, 21}},
    {23, L" Remove Comments", {29, 144, 165, 21}},
    {24, L" Remove Empty Lines", {199, 144, 165, 21}},
    {25, L" Remove Absolute Paths", {29, 170, 165, 21}},
    {26, L" Insert Empty Lines:", {199, 170, 113, 21}},
    {27, L"1", {314, 171, 38, 20}},
    {28, L" Remove Uncalled Libs/Funcs", {29, 196, 165, 21}},
    {29, L" Insert 'NOP' Lines:", {199, 196, 113, 21}},
    {30, L"1", {314, 197, 38, 20}},
    {31, L" Remove ImagePlugins (Ext.)", {29, 222, 165, 21}},
    {32, L" ", {13, 276, 360, 64}},
    {33, L" Create Output", {8, 272, 90, 21}},
    {34, L" Copy Required DLL Files", {29, 301, 165, 21}},
    {35, L" Generate License.txt", {199, 301, 165, 21}},
    {36, L" Delete Created Files On Exit", {108, 357, 165, 21}},
    {37, L"Close", {289, 353, 85, 30}},
};

bool Checked(HWND checkbox) { return SendMessageW(checkbox, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Which of the controls are enabled, as a text of control numbers.
std::string EnabledOf(HWND window, const std::vector<int>& controls) {
  std::string out;
  for (int c : controls) {
    if (IsWindowEnabled(SparlinProcess::Control(window, c))) out += std::to_string(c) + " ";
  }
  return out;
}

const std::vector<int> kMainButtons = {1, 2, 3, 4, 5, 7, 8, 9};
const std::vector<int> kOptionControls = {16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 27, 28, 29,
                                          30, 31, 33, 34, 35, 36, 37};

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  COLORREF colour = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return colour;
}

// A point inside the button's face, left of its caption, in screen terms.
POINT FacePoint(HWND button) {
  RECT r;
  GetWindowRect(button, &r);
  return {r.left + 5, r.top + (r.bottom - r.top) / 2};
}

TEST(SparlinWindows, MainWindowLayoutOnStartResizeAndMaximise) {
  TempFolder dir;
  SparlinProcess app(dir.path(), L"", {{L"PB_TOOL_Compiler", L""}, {L"PB_TOOL_Executable", L""}});
  ASSERT_TRUE(app.started());
  ExpectMainLayout(app, 695, 445);
  EXPECT_EQ(EnabledOf(app.main(), kMainButtons), "1 7 8 ");
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(app.main(), nullptr), &gui));
  EXPECT_EQ(gui.hwndFocus, app.MainControl(1));
  // Colours: the grey window background between the buttons, the log view's
  // own grey below its text.
  Sleep(300);
  POINT gap{695 - 540, 445 - 20};
  ClientToScreen(app.main(), &gap);
  EXPECT_EQ(ScreenPixel(gap.x, gap.y), RGB(128, 128, 128));
  POINT log_area{40, 380};
  ClientToScreen(app.main(), &log_area);
  EXPECT_EQ(ScreenPixel(log_area.x, log_area.y), RGB(175, 175, 175));
  LONG style = GetWindowLongW(app.main(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_EQ(SendMessageW(app.MainControl(10), PBM_GETRANGE, TRUE, 0), 0);
  EXPECT_EQ(SendMessageW(app.MainControl(10), PBM_GETRANGE, FALSE, 0), 100);
  EXPECT_EQ(SendMessageW(app.MainControl(10), PBM_GETPOS, 0, 0), 0);

  SetInnerSize(app.main(), 900, 600);
  ExpectMainLayout(app, 900, 600);
  // The moved buttons are drawn at their new place: their face, not the
  // window's grey background, shows there.
  UpdateWindow(app.main());
  Sleep(300);
  COLORREF grey = RGB(128, 128, 128);
  for (int c : {1, 7, 9}) {
    POINT p = FacePoint(app.MainControl(c));
    EXPECT_NE(ScreenPixel(p.x, p.y), grey) << "button " << c << " not drawn after the resize";
  }

  ShowWindow(app.main(), SW_MAXIMIZE);
  Box maximised = ClientSize(app.main());
  EXPECT_GT(maximised.w, 900);
  ExpectMainLayout(app, maximised.w, maximised.h);
  ShowWindow(app.main(), SW_RESTORE);
  ExpectMainLayout(app, 900, 600);
  // No smaller than the whole bottom row with its margins.
  SetInnerSize(app.main(), 300, 100);
  ExpectMainLayout(app, 695, 150);
  EXPECT_EQ(app.CloseAndWait(), 0u);
}

TEST(SparlinWindows, SettingsWindowLayoutGroupRulesAndSavingOnClose) {
  TempFolder dir;
  SparlinProcess app(dir.path(), L"", {{L"PB_TOOL_Compiler", L""}, {L"PB_TOOL_Executable", L""}});
  ASSERT_TRUE(app.started());
  HWND settings = app.settings();
  EXPECT_FALSE(IsWindowVisible(settings));
  EXPECT_EQ(GetWindow(settings, GW_OWNER), app.main());
  EXPECT_EQ(ClientSize(settings), (Box{0, 0, 385, 391}));
  LONG style = GetWindowLongW(settings, GWL_STYLE);
  EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(style & WS_SYSMENU);
  for (const Expected& e : kSettingsLayout) {
    HWND control = app.SettingsControl(e.control);
    ASSERT_TRUE(control) << "control " << e.control;
    EXPECT_EQ(BoxOf(control, settings), e.box) << "control " << e.control;
    EXPECT_EQ(Text(control), e.caption) << "control " << e.control;
  }
  // A first launch creates the settings file and shows its values.
  const std::string created =
      "\xEF\xBB\xBF\r\n; Sparlin\r\n; \r\n[Settings]\r\nCreatePB = 1\r\nSuffix = _Sparl\r\nRemMacro = 1\r\n"
      "RemProcs = 1\r\nCreateASM = 1\r\nRemComments = 1\r\nRemEmpty = 1\r\nRemAbsolut = 1\r\nInsEmpty = 0\r\n"
      "nEmpty = 1\r\nRemUncalled = 1\r\nInsNOP = 0\r\nnNOP = 1\r\nImgPlugin = 1\r\nCreateOUT = 1\r\nCopyDLL = 1\r\n"
      "GenLic = 1\r\nDelOnExit = 0\r\n";
  EXPECT_EQ(dir.Read(L"Sparlin.ini"), created);
  std::string ticked;
  for (int c : kOptionControls) {
    if (Checked(app.SettingsControl(c))) ticked += std::to_string(c) + " ";
  }
  EXPECT_EQ(ticked, "16 19 20 22 23 24 25 28 31 33 34 35 ");
  EXPECT_EQ(EnabledOf(settings, kOptionControls),
            "16 17 18 19 20 22 23 24 25 26 27 28 29 30 31 33 34 36 37 ");

  Click(app.MainControl(7));  // Settings
  EXPECT_TRUE(IsWindowVisible(settings));
  EXPECT_FALSE(IsWindowEnabled(app.main()));
  Sleep(300);
  POINT background{5, 385};  // the pattern brush's grey
  ClientToScreen(settings, &background);
  EXPECT_EQ(ScreenPixel(background.x, background.y), RGB(175, 175, 175));

  Click(app.SettingsControl(22));  // clear " Create .asm"
  EXPECT_EQ(EnabledOf(settings, kOptionControls), "16 17 18 19 20 22 33 34 36 37 ");
  Click(app.SettingsControl(26));  // its own box does not matter to the number fields
  Click(app.SettingsControl(22));
  EXPECT_EQ(EnabledOf(settings, kOptionControls),
            "16 17 18 19 20 22 23 24 25 26 27 28 29 30 31 33 34 36 37 ");
  Click(app.SettingsControl(33));
  EXPECT_EQ(EnabledOf(settings, kOptionControls), "16 17 18 19 20 22 23 24 25 26 27 28 29 30 31 33 36 37 ");
  Click(app.SettingsControl(33));
  Click(app.SettingsControl(16));
  EXPECT_EQ(EnabledOf(settings, kOptionControls),
            "16 22 23 24 25 26 27 28 29 30 31 33 34 36 37 ");

  // Edits, then the Close button: hidden, saved, main window usable again.
  // The Suffix field takes no character that a file name may not hold.
  SendMessageW(app.SettingsControl(18), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L" _M/i\\n:e*?\"<>| "));
  EXPECT_EQ(Text(app.SettingsControl(18)), L" _Mine ");
  SendMessageW(app.SettingsControl(30), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"12"));
  Click(app.SettingsControl(37));
  EXPECT_FALSE(IsWindowVisible(settings));
  EXPECT_TRUE(IsWindowEnabled(app.main()));
  std::string saved =
      "\xEF\xBB\xBF\r\n; Sparlin\r\n; \r\n[Settings]\r\nCreatePB = 0\r\nSuffix =  _Mine \r\nRemMacro = 1\r\n"
      "RemProcs = 1\r\nCreateASM = 1\r\nRemComments = 1\r\nRemEmpty = 1\r\nRemAbsolut = 1\r\nInsEmpty = 1\r\n"
      "nEmpty = 1\r\nRemUncalled = 1\r\nInsNOP = 0\r\nnNOP = 12\r\nImgPlugin = 1\r\nCreateOUT = 1\r\nCopyDLL = 1\r\n"
      "GenLic = 1\r\nDelOnExit = 0\r\n";
  EXPECT_EQ(dir.Read(L"Sparlin.ini"), saved);

  // The title bar's close box saves the same way.
  Click(app.MainControl(7));
  Click(app.SettingsControl(36));
  SendMessageW(settings, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(settings));
  EXPECT_TRUE(IsWindowEnabled(app.main()));
  saved.replace(saved.find("DelOnExit = 0"), 13, "DelOnExit = 1");
  EXPECT_EQ(dir.Read(L"Sparlin.ini"), saved);
  EXPECT_EQ(app.CloseAndWait(), 0u);
}

TEST(SparlinWindows, StoredSettingsAreShownAndAGroupLoadedOffIsDisabled) {
  TempFolder dir;
  dir.Write(L"Sparlin.ini",
            "\xEF\xBB\xBF\r\n[Settings]\r\nCreatePB = 0\r\nSuffix = _Opt\r\nCreateASM = 1\r\nnEmpty = 7\r\n"
            "CreateOUT = 0\r\n");
  SparlinProcess app(dir.path(), L"", {{L"PB_TOOL_Compiler", L""}, {L"PB_TOOL_Executable", L""}});
  ASSERT_TRUE(app.started());
  EXPECT_EQ(Text(app.SettingsControl(18)), L"_Opt");
  EXPECT_EQ(Text(app.SettingsControl(27)), L"7");
  // Missing keys take their defaults: InsEmpty and InsNOP ticked.
  EXPECT_TRUE(Checked(app.SettingsControl(26)));
  EXPECT_TRUE(Checked(app.SettingsControl(29)));
  EXPECT_FALSE(Checked(app.SettingsControl(16)));
  EXPECT_EQ(EnabledOf(app.settings(), kOptionControls),
            "16 22 23 24 25 26 27 28 29 30 31 33 36 37 ");
  // Without a source, Compile does nothing.
  Click(app.MainControl(1));
  EXPECT_TRUE(IsWindowEnabled(app.MainControl(1)));
  EXPECT_EQ(app.CloseAndWait(), 0u);
}

// The tooltip texts of a window's controls, read from the tooltip window of
// Sparlin's process through memory lent in that process.
std::map<int, std::wstring> Tooltips(HWND window) {
  std::map<int, std::wstring> tips;
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return tips;
  struct Search {
    DWORD pid;
    HWND owner;
    std::vector<HWND> found;
  } search{pid, window, {}};
  EnumWindows(
      [](HWND hwnd, LPARAM lparam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lparam);
        wchar_t cls[64] = {};
        GetClassNameW(hwnd, cls, 64);
        DWORD p = 0;
        GetWindowThreadProcessId(hwnd, &p);
        if (p == s->pid && _wcsicmp(cls, TOOLTIPS_CLASSW) == 0 && GetWindow(hwnd, GW_OWNER) == s->owner) {
          s->found.push_back(hwnd);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  constexpr size_t kTextChars = 512;
  auto* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, sizeof(TTTOOLINFOW) + kTextChars * 2, MEM_COMMIT, PAGE_READWRITE));
  for (HWND tooltip : search.found) {
    LRESULT count = SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      TTTOOLINFOW info{};
      info.cbSize = sizeof info;
      info.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof info);
      WriteProcessMemory(process, remote, &info, sizeof info, nullptr);
      WriteProcessMemory(process, remote + sizeof info, L"", 2, nullptr);
      if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(remote))) continue;
      wchar_t text[kTextChars] = {};
      ReadProcessMemory(process, remote, &info, sizeof info, nullptr);
      ReadProcessMemory(process, remote + sizeof info, text, sizeof text - 2, nullptr);
      tips[GetDlgCtrlID(reinterpret_cast<HWND>(info.uId))] = text;
    }
  }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return tips;
}

TEST(SparlinWindows, TooltipsOfBothWindows) {
  TempFolder dir;
  SparlinProcess app(dir.path(), L"", {{L"PB_TOOL_Compiler", L""}, {L"PB_TOOL_Executable", L""}});
  ASSERT_TRUE(app.started());
  EXPECT_EQ(Tooltips(app.main()), (std::map<int, std::wstring>{
                                      {1, L" Compile the active source file "},
                                      {2, L" Open the project folder "},
                                      {3, L" Run the compiled file "},
                                      {4, L" Open the optimized ASM file  "},
                                      {5, L" Open the optimized PB file (Close the prev. opened file first!)"},
                                      {7, L" Compiler Settings "},
                                      {8, L" Donate with PayPal "},
                                      {9, L" Save and open the Log file "},
                                  }));
  EXPECT_EQ(Tooltips(app.settings()),
            (std::map<int, std::wstring>{
                {16, L" Create a single .pb file without comments and empty lines "},
                {17, L" Suffix for the source .pb file "},
                {19, L" Remove resolved Macros from the .pb file "},
                {20, L" Remove uncalled Procedures from the .pb file "},
                {22, L" Create an .asm file from the previously created .pb file "},
                {23, L" Remove all comments from the .asm file "},
                {24, L" Remove empty lines from the .asm file "},
                {25, L" Convert absolute paths to relative paths (folder + subfolder only) "},
                {26, L" Insert n empty line(s) after each Instruction "},
                {28, L" Remove uncalled Libraries and Functions "},
                {29, L" Insert n NOP(s) after each Instruction "},
                {31, L" Remove ImagePlugins if the string .jpg, .tga, .tif, ... is not included anywhere in the code "},
                {33, L" Compile the .asm file to an .exe or .dll "},
                {34, L" Copy required .dll files next to the output file "},
                {35, L" Generate a License.txt file from all included 3rd-party Libraries "},
                {36, L" Delete created files (_Sparl.pb + .asm) when exiting the program "},
            }));
  EXPECT_EQ(app.CloseAndWait(), 0u);
}

// Sets the system's snap-to-default-button setting; gives the old one.
BOOL SetSnapToDefaultButton(BOOL on) {
  BOOL old = FALSE;
  SystemParametersInfoW(SPI_GETSNAPTODEFBUTTON, 0, &old, 0);
  SystemParametersInfoW(SPI_SETSNAPTODEFBUTTON, on, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
  return old;
}

POINT CenterOf(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  return {r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2};
}

TEST(SparlinWindows, ShowingAWindowSnapsTheCursorToItsDefaultButtonOnlyWhenTheSystemSaysSo) {
  TempFolder dir;
  BOOL old = SetSnapToDefaultButton(TRUE);
  {
    SetCursorPos(3, 3);
    SparlinProcess app(dir.path(), L"", {{L"PB_TOOL_Compiler", L""}, {L"PB_TOOL_Executable", L""}});
    ASSERT_TRUE(app.started());
    POINT compile = CenterOf(app.MainControl(1));
    POINT cursor{};
    EXPECT_TRUE(WaitFor([&] { return GetCursorPos(&cursor) && cursor.x == compile.x && cursor.y == compile.y; }, 3000))
        << "cursor at " << cursor.x << ", " << cursor.y << "; Compile's centre " << compile.x << ", " << compile.y;
    SetCursorPos(3, 3);
    Click(app.MainControl(7));
    POINT close = CenterOf(app.SettingsControl(37));
    EXPECT_TRUE(WaitFor([&] { return GetCursorPos(&cursor) && cursor.x == close.x && cursor.y == close.y; }, 3000))
        << "cursor at " << cursor.x << ", " << cursor.y << "; Close's centre " << close.x << ", " << close.y;
    Click(app.SettingsControl(37));
    EXPECT_EQ(app.CloseAndWait(), 0u);
  }
  SetSnapToDefaultButton(FALSE);
  {
    SetCursorPos(3, 3);
    SparlinProcess app(dir.path(), L"", {{L"PB_TOOL_Compiler", L""}, {L"PB_TOOL_Executable", L""}});
    ASSERT_TRUE(app.started());
    Click(app.MainControl(7));
    Sleep(500);
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 3);
    EXPECT_EQ(cursor.y, 3);
    Click(app.SettingsControl(37));
    EXPECT_EQ(app.CloseAndWait(), 0u);
  }
  SetSnapToDefaultButton(old);
}

// A shown top-level window of the process with that caption, other than
// `except`.
HWND FindOtherWindow(const SparlinProcess& app, const std::wstring& caption, HWND except) {
  struct Search {
    DWORD pid;
    const std::wstring& caption;
    HWND except;
    HWND found = nullptr;
  } search{0, caption, except};
  GetWindowThreadProcessId(app.main(), &search.pid);
  EnumWindows(
      [](HWND hwnd, LPARAM lparam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lparam);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid == s->pid && hwnd != s->except && Text(hwnd) == s->caption && IsWindowVisible(hwnd)) {
          s->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The log of the view with the elapsed time made fixed.
std::wstring WithoutTime(const std::wstring& log) {
  return std::regex_replace(log, std::wregex(L"Time: [0-9]+\\.[0-9]s"), L"Time: Ts");
}

std::wstring RunCliLog(const std::wstring& folder, const std::wstring& source, const std::wstring& output) {
  SetEnvironmentVariableW(L"PB_TOOL_Compiler", StandinCompiler().c_str());
  SetEnvironmentVariableW(L"PB_TOOL_Executable", output.c_str());
  platform::ProcessOptions options;
  options.program = win32::FromWide(SparlinCliExe());
  options.parameters = u"\"" + win32::FromWide(source) + u"\"";
  options.working_folder = win32::FromWide(folder);
  options.capture_stdout = true;
  auto cli = platform::StartProcess(options);
  SetEnvironmentVariableW(L"PB_TOOL_Compiler", nullptr);
  SetEnvironmentVariableW(L"PB_TOOL_Executable", nullptr);
  if (!cli) return L"<not started>";
  // Its standard output is the log, every line of it ended by "\r\n".
  std::string bytes, line;
  while (cli->ReadLine(line)) bytes += line + "\r\n";
  cli->Wait();
  return win32::Wide(DecodeUtf8(bytes));
}

class SparlinBuild : public ::testing::Test {
 protected:
  // Copies an example into a folder whose name has a blank and a non-ASCII
  // letter, as users' folders do.
  std::wstring CopyExample(const std::wstring& example, const std::wstring& file) {
    std::filesystem::copy(ExamplesFolder() + example, dir.path() + L"proj \u00E9", 
                          std::filesystem::copy_options::recursive);
    return dir.path() + L"proj \u00E9\\" + file;
  }

  TempFolder dir;
};

TEST_F(SparlinBuild, FullBuildLogProgressButtonsSaveLogAndNormalRun) {
  std::wstring source = CopyExample(L"console", L"Console.pb");
  std::wstring folder = dir.path() + L"proj \u00E9\\";
  std::wstring output = folder + L"Console.exe";
  // The same build through sparlin-cli first: the window must log the same.
  std::wstring cli_log = RunCliLog(folder, source, output);
  ASSERT_NE(cli_log.find(L"All Finished!"), std::wstring::npos) << Utf8(win32::FromWide(cli_log));
  for (auto& e : std::filesystem::directory_iterator(folder)) {
    if (e.path().filename() != L"Console.pb" && e.path().filename() != L"Sparlin.ini") std::filesystem::remove(e);
  }

  SparlinProcess app(folder, L"\"" + source + L"\"",
                     {{L"PB_TOOL_Compiler", StandinCompiler()}, {L"PB_TOOL_Executable", output}});
  ASSERT_TRUE(app.started());
  Click(app.MainControl(1));
  EXPECT_FALSE(IsWindowEnabled(app.MainControl(1)));
  EXPECT_FALSE(IsWindowEnabled(app.MainControl(7)));
  ASSERT_TRUE(WaitFor([&] { return Text(app.LogView()).find(L"\tTime: ") != std::wstring::npos; }, 60000));
  std::wstring log = Text(app.LogView());
  EXPECT_EQ(WithoutTime(log), WithoutTime(cli_log));
  EXPECT_EQ(SendMessageW(app.MainControl(10), PBM_GETPOS, 0, 0), 100);
  EXPECT_EQ(EnabledOf(app.main(), kMainButtons), "2 3 4 5 8 9 ");
  EXPECT_TRUE(std::filesystem::exists(folder + L"Console_Sparl.pb"));
  EXPECT_TRUE(std::filesystem::exists(folder + L"PureBasic.asm"));
  EXPECT_TRUE(std::filesystem::exists(output));
  EXPECT_FALSE(std::filesystem::exists(folder + L"PureBasic.def"));

  // Save Log: the dialog with its title and proposed name. A file that is
  // there already is replaced only when the user says so.
  std::wstring saved_path = folder + L"saved log.txt";
  std::ofstream(std::filesystem::path(saved_path), std::ios::binary) << "keep me";
  HWND dialog = OpenSaveLogDialog(app);
  ASSERT_TRUE(dialog);
  std::wstring proposed = Text(FileNameField(dialog));
  EXPECT_TRUE(std::regex_match(proposed, std::wregex(L"(.*\\\\)?Sparl_[0-9]{6}_[0-9]{6}\\.txt")))
      << Utf8(win32::FromWide(proposed));
  for (int answer : {IDNO, IDYES}) {
    if (answer == IDYES) {
      ASSERT_TRUE(dialog = OpenSaveLogDialog(app));
    }
    ChooseFile(dialog, saved_path);
    HWND prompt = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (prompt = FindOtherWindow(app, L"Save Log File...", dialog)) != nullptr; }))
        << "no question before replacing the file";
    PostClick(DialogButton(prompt, answer));
    if (answer == IDNO) {
      ASSERT_TRUE(WaitFor([&] { return FindOtherWindow(app, L"Save Log File...", dialog) == nullptr; }));
      PostClick(DialogButton(dialog, IDCANCEL));
      ASSERT_TRUE(WaitFor([&] { return app.FindOwnWindow(L"Save Log File...") == nullptr; }));
      EXPECT_EQ(dir.Read(L"proj \u00E9\\saved log.txt"), "keep me");
    }
  }
  HWND question = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (question = app.FindOwnWindow(L"Open Log File...")) != nullptr; }));
  bool asks = false;
  for (HWND c = GetWindow(question, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    asks |= Text(c) == L"   Would you like to open the Log file?";
  }
  EXPECT_TRUE(asks);
  ASSERT_TRUE(DeclineToOpenTheLog(app));
  std::string file_bytes;
  platform::ReadWholeFile(win32::FromWide(saved_path), file_bytes);
  EXPECT_EQ(file_bytes, Utf8(win32::FromWide(log)) + "\r\n");

  // Run Output of a program that ends normally: no message, window usable.
  Click(app.MainControl(3));
  ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(app.main()); }));
  Sleep(500);
  EXPECT_EQ(app.FindOwnWindow(kTitle), app.main());
  EXPECT_TRUE(IsWindowEnabled(app.main()));
  EXPECT_EQ(app.CloseAndWait(), 0u);
  EXPECT_TRUE(std::filesystem::exists(folder + L"Console_Sparl.pb"));  // DelOnExit is off
}

// Finds the message box of the process other than the main window with the
// program's title.
HWND FindMessageBox(const SparlinProcess& app) { return FindOtherWindow(app, kTitle, app.main()); }

TEST_F(SparlinBuild, CrashOfTheOutputShowsTheCrashMessageOnce) {
  std::wstring source = CopyExample(L"runtime_names", L"RuntimeNames.pb");
  std::wstring folder = dir.path() + L"proj \u00E9\\";
  // The output is named without a folder: Run Output completes it with the
  // source's folder.
  SparlinProcess app(folder, L"\"" + source + L"\"",
                     {{L"PB_TOOL_Compiler", StandinCompiler()}, {L"PB_TOOL_Executable", L"names.exe"}});
  ASSERT_TRUE(app.started());
  Click(app.MainControl(1));
  ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(app.MainControl(3)); }, 60000)) 
      << Utf8(win32::FromWide(Text(app.LogView())));
  // The built program drops the image plugin it needs and crashes; to keep
  // the test independent of that, a plain crashing program takes its place.
  ASSERT_TRUE(CopyFileW(CrashOutputExe().c_str(), (folder + L"names.exe").c_str(), FALSE));
  Click(app.MainControl(3));
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (box = FindMessageBox(app)) != nullptr; }, 20000));
  EXPECT_FALSE(IsWindowEnabled(app.main()));
  std::wstring text;
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    std::wstring t = Text(c);
    if (t.size() > text.size()) text = t;
  }
  EXPECT_EQ(text,
            L"\n  Oops, the program crashed...\n\n\n"
            L"  If you are using ImagePlugins and \"Remove ImagePlugins\" is ticked,\n"
            L"  please make sure you've added a dummy string with e.g.: \".jpg\", \".tga\"\n"
            L"  or \".jpg.tga.gif\" somewhere in your code or simply untick the setting.\n\n\n"
            L"  Still not working? Please post a bug report on the forum, Thank you!\n");
  EXPECT_EQ(GetWindow(box, GW_OWNER), app.main());
  PostClick(DialogButton(box, IDOK));
  ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(app.main()); }));
  Sleep(300);
  EXPECT_EQ(FindMessageBox(app), nullptr);
  EXPECT_EQ(app.CloseAndWait(), 0u);
}

}  // namespace
}  // namespace sparlin::wine_tests
