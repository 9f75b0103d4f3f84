// A compiler that prints many lines: its output reaches the log view in
// pieces while the window keeps answering, the view shows every line (or,
// beyond 25 000, both ends and a note), and Save Log writes every line.
//
// SPARLIN_LONG_LOG_LINES sets the number of lines (20 000 without it); the
// test then prints what it measured (scripts/windows/long-log.sh).
#include <windows.h>
#include <psapi.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "platform/os_calls.h"
#include "platform/platform.h"
#include "platform/win32/windows_api.h"
#include "sparlin_driver.h"
#include "wine_paths.h"

namespace sparlin::wine_tests {
namespace {

long LineCount() {
  const char* text = std::getenv("SPARLIN_LONG_LOG_LINES");
  return text ? std::atol(text) : 20000;
}

// What the run log holds for the compiler's output: each line indented by a
// tab, then the closing lines of every compiler run.
std::wstring ExpectedOutputEntry(long count) {
  std::wstring entry;
  for (long i = 1; i <= count; ++i) {
    entry += L"\tLine " + std::to_wstring(i) + L" of " + std::to_wstring(count) +
             L": a message of the compiler, about as long as its usual ones\r\n";
  }
  return entry + L"\r\n\r\n\tOptimizing...\r\n\r\n";
}

bool EndsWithTimeEntry(const std::wstring& log) {
  return log.size() > 40 && log.find(L"\tTime: ", log.size() - 40) != std::wstring::npos;
}

TEST(SparlinWindows, ALongCompilerOutputReachesTheViewInPiecesAndSaveLogWritesEveryLine) {
  const long count = LineCount();
  TempFolder dir;
  std::filesystem::create_directories(dir.File(L"inst\\Compilers"));
  std::wstring compiler = dir.File(L"inst\\Compilers\\pbcompiler.exe");
  ASSERT_TRUE(CopyFileW(ManyLinesExe().c_str(), compiler.c_str(), FALSE));
  dir.Write(L"Long.pb", "Debug 1\r\n");
  // The assembly stage runs the compiler; it fails there, after its output.
  dir.Write(L"Sparlin.ini", "\xEF\xBB\xBF\r\n[Settings]\r\nCreatePB = 0\r\n");
  SparlinProcess app(dir.path(), L"\"" + dir.File(L"Long.pb") + L"\"",
                     {{L"PB_TOOL_Compiler", compiler},
                      {L"PB_TOOL_Executable", dir.File(L"Long.exe")},
                      {L"SPARLIN_TEST_LINES", std::to_wstring(count)}});
  ASSERT_TRUE(app.started());
  HWND view = app.LogView();
  Click(app.MainControl(1));

  // The view's length, asked over and over from the compiler's end until the
  // time line is shown: a view that took the output in one insertion would
  // show three lengths at most (before it, after it, after the time line).
  std::set<DWORD_PTR> lengths;
  DWORD_PTR length = 0, previous = ~DWORD_PTR{0};
  ULONGLONG compiler_done = 0, changed = 0, longest_answer = 0;
  std::wstring log;
  ASSERT_TRUE(WaitFor(
      [&] {
        ULONGLONG asked = GetTickCount64();
        if (!SendMessageTimeoutW(view, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 600000, &length)) return false;
        ULONGLONG answered = GetTickCount64();
        longest_answer = std::max(longest_answer, answered - asked);
        if (!compiler_done && dir.Exists(L"compiler-done.txt")) compiler_done = answered;
        if (compiler_done) lengths.insert(length);
        if (length != previous) {
          previous = length;
          changed = answered;
          return false;
        }
        // The whole text only once the view has kept its length for a while.
        if (!compiler_done || answered - changed < 1000 || !IsWindowEnabled(app.MainControl(9))) return false;
        log = Text(view);
        return EndsWithTimeEntry(log);
      },
      600000));
  EXPECT_GE(lengths.size(), 5u) << "the output did not reach the view in pieces";
  // Up to 25 000 lines of one compiler run the view shows them all; of more,
  // the first and the last 12 500 and a line on those it left out.
  const std::wstring entry = ExpectedOutputEntry(count);
  if (count <= 25000) {
    EXPECT_NE(log.find(entry), std::wstring::npos) << "the view lacks lines of the output";
  } else {
    // The append as the log makes it: on a new line after the stage header.
    std::wstring append = L"\r\n" + entry;
    std::vector<size_t> ends;
    for (size_t i = 0; i < append.size(); ++i) {
      if (append[i] == L'\n') ends.push_back(i + 1);
    }
    std::wstring note = L"\t[ " + std::to_wstring(ends.size() - 25000) +
                        L" lines left out here; Save Log writes the whole log ]\r\n";
    std::wstring shown = append.substr(0, ends[12499]) + note + append.substr(ends[ends.size() - 12501]);
    EXPECT_NE(log.find(shown), std::wstring::npos) << "the view does not show both ends of the output";
  }

  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(app.process(), &memory, sizeof memory);
  std::cout << "long log: " << count << " lines, " << Utf8(win32::FromWide(log)).size() << " bytes; shown "
            << (changed - compiler_done) / 1000.0 << " s after the compiler's end; longest wait for an answer "
            << longest_answer << " ms; peak working set " << memory.PeakWorkingSetSize / (1024 * 1024) << " MB\n";

  HWND dialog = OpenSaveLogDialog(app);
  ASSERT_TRUE(dialog);
  std::wstring saved = dir.File(L"long log.txt");
  ChooseFile(dialog, saved);
  ASSERT_TRUE(DeclineToOpenTheLog(app));
  std::string bytes;
  platform::ReadWholeFile(win32::FromWide(saved), bytes);
  EXPECT_NE(bytes.find(Utf8(win32::FromWide(entry))), std::string::npos) << "Save Log did not write every line";
  if (count <= 25000) {
    EXPECT_TRUE(bytes == Utf8(win32::FromWide(log)) + "\r\n") << "Save Log did not write the log as shown";
  }
  EXPECT_EQ(app.CloseAndWait(), 0u);
}

}  // namespace
}  // namespace sparlin::wine_tests
