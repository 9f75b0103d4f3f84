// Sparlin.exe worked from the keyboard alone: keys go in as a user types
// them (SendInput), and the test follows the focus from outside.
#include <windows.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "sparlin_driver.h"
#include "wine_paths.h"

namespace sparlin::wine_tests {
namespace {

void Press(WORD key, bool shift = false) {
  INPUT keys[4] = {};
  int n = 0;
  auto add = [&](WORD vk, DWORD flags) {
    keys[n].type = INPUT_KEYBOARD;
    keys[n].ki.wVk = vk;
    keys[n].ki.dwFlags = flags;
    ++n;
  };
  if (shift) add(VK_SHIFT, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
  SendInput(n, keys, sizeof(INPUT));
}

// The number of the control that has the keyboard focus in Sparlin, -1 for
// none.
int FocusOf(const SparlinProcess& app) {
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(app.main(), nullptr), &gui) || !gui.hwndFocus) return -1;
  return GetDlgCtrlID(gui.hwndFocus);
}

// Presses the keys one by one and gives the focus after each, as a text.
std::string FocusAfter(const SparlinProcess& app, std::initializer_list<std::pair<WORD, bool>> keys) {
  std::string trail;
  for (auto [key, shift] : keys) {
    int before = FocusOf(app);
    Press(key, shift);
    WaitFor([&] { return FocusOf(app) != before; }, 3000);
    trail += std::to_string(FocusOf(app)) + " ";
  }
  return trail;
}

constexpr std::pair<WORD, bool> kTab{VK_TAB, false};
constexpr std::pair<WORD, bool> kBackTab{VK_TAB, true};

TEST(SparlinWindows, BothWindowsAnswerTheDialogKeys) {
  TempFolder dir;
  std::filesystem::create_directories(dir.File(L"inst\\Compilers"));
  std::wstring compiler = dir.File(L"inst\\Compilers\\pbcompiler.exe");
  ASSERT_TRUE(CopyFileW(ManyLinesExe().c_str(), compiler.c_str(), FALSE));
  dir.Write(L"Keys.pb", "Debug 1\r\n");
  dir.Write(L"Sparlin.ini", "\xEF\xBB\xBF\r\n[Settings]\r\nCreatePB = 0\r\n");
  SparlinProcess app(dir.path(), L"\"" + dir.File(L"Keys.pb") + L"\"",
                     {{L"PB_TOOL_Compiler", compiler},
                      {L"PB_TOOL_Executable", dir.File(L"Keys.exe")},
                      {L"SPARLIN_TEST_LINES", L"3"}});
  ASSERT_TRUE(app.started());
  SetForegroundWindow(app.main());
  ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == app.main(); }));
  Sleep(500);  // the activation settles before the first key
  EXPECT_EQ(FocusOf(app), 1);

  // Main window, in the order of the eye: log, image button, (four disabled
  // buttons), Settings, Compile.
  EXPECT_EQ(FocusAfter(app, {kTab, kTab, kTab, kTab, kBackTab, kBackTab}), "0 8 7 1 7 8 ");

  // Enter presses the focused button: Settings opens on its first control.
  EXPECT_EQ(FocusAfter(app, {kTab, {VK_RETURN, false}}), "7 16 ");
  ASSERT_TRUE(IsWindowVisible(app.settings()));
  // " Create .pb" is clear: its group is disabled and skipped.
  EXPECT_EQ(FocusAfter(app, {kTab, kTab, kBackTab, kBackTab}), "22 23 22 16 ");
  Press(VK_SPACE);  // ticks " Create .pb", which enables its group
  EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(app.SettingsControl(19)); }));
  Press(VK_SPACE);
  EXPECT_TRUE(WaitFor([&] { return !IsWindowEnabled(app.SettingsControl(19)); }));
  // Esc closes the window as its Close button does: saved, and the focus
  // back on the main window's Settings button.
  Press(VK_ESCAPE);
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(app.settings()); }));
  EXPECT_TRUE(WaitFor([&] { return dir.Read(L"Sparlin.ini").find("DelOnExit = 0") != std::string::npos; }));
  EXPECT_TRUE(WaitFor([&] { return FocusOf(app) == 7; }));
  // Enter in Settings presses Close.
  EXPECT_EQ(FocusAfter(app, {{VK_RETURN, false}, {VK_RETURN, false}}), "16 7 ");
  EXPECT_FALSE(IsWindowVisible(app.settings()));

  // Enter on the log presses Compile; after the build the focus is on the
  // first button that it enabled.
  EXPECT_EQ(FocusAfter(app, {kBackTab, kBackTab}), "8 0 ");
  Press(VK_RETURN);
  ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(app.MainControl(9)); }, 60000));
  EXPECT_TRUE(WaitFor([&] { return FocusOf(app) == 9; }));
  EXPECT_EQ(app.CloseAndWait(), 0u);
}

}  // namespace
}  // namespace sparlin::wine_tests
