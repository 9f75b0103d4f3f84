// The Win32 platform layer on a Windows system: processes through a pipe,
// exit codes including the access violation, UTF-16 paths with blanks and
// non-ASCII letters, safe replacement, new files, build locks.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/os_calls.h"
#include "platform/platform.h"
#include "platform/win32/windows_api.h"
#include "wine_paths.h"

namespace sparlin::wine_tests {
namespace {

UString U16(const std::wstring& text) { return win32::FromWide(text); }

// A folder name with a blank and letters outside ASCII and Latin-1.
const std::wstring kOddName = L"Ordner mit \u00DC \u00DF \u0416";

TEST(Win32Processes, LinesArgumentsFolderAndExitCodeThroughThePipe) {
  TempFolder dir(L" " + kOddName);
  std::wstring probe = dir.File(L"probe \u00E4.exe");
  ASSERT_TRUE(CopyFileW(ChildProbeExe().c_str(), probe.c_str(), FALSE));
  platform::ProcessOptions options;
  options.program = U16(probe);
  options.parameters = u"\"arg with blank\" \u00DCnic\u00F6de \"a\\\"q\" 2A";
  options.working_folder = U16(dir.path());
  options.capture_stdout = true;
  auto process = platform::StartProcess(options);
  ASSERT_TRUE(process);
  std::vector<std::string> lines;
  std::string line;
  while (process->ReadLine(line)) lines.push_back(line);
  std::string folder = EncodeUtf8(U16(dir.path()));
  folder.pop_back();  // the current folder has no trailing backslash
  EXPECT_EQ(lines, (std::vector<std::string>{folder, "arg with blank", "\xC3\x9Cnic\xC3\xB6" "de", "a\"q", "2A",
                                             "no line end"}));
  EXPECT_EQ(process->Wait(), 0x2Au);
}

TEST(Win32Processes, AccessViolationMissingProgramAndUncapturedRun) {
  platform::ProcessOptions crash;
  crash.program = U16(CrashOutputExe());
  auto crashed = platform::StartProcess(crash);
  ASSERT_TRUE(crashed);
  EXPECT_EQ(crashed->Wait(), platform::kAccessViolation);

  platform::ProcessOptions missing;
  missing.program = u"C:\\no such folder\\pbcompiler.exe";
  EXPECT_EQ(platform::StartProcess(missing), nullptr);
  missing.program = U16(ChildProbeExe());
  missing.working_folder = u"C:\\no such folder\\";
  EXPECT_EQ(platform::StartProcess(missing), nullptr);

  platform::ProcessOptions plain;
  plain.program = U16(ChildProbeExe());
  plain.parameters = u"7";
  auto run = platform::StartProcess(plain);
  ASSERT_TRUE(run);
  std::string line;
  EXPECT_FALSE(run->ReadLine(line));  // nothing captured
  EXPECT_EQ(run->Wait(), 7u);
}

TEST(Win32Processes, TheProgramsEndEndsTheOutputThoughItsChildHoldsThePipe) {
  platform::ProcessOptions options;
  options.program = U16(ChildProbeExe());
  options.parameters = u"--leave-child";
  options.capture_stdout = true;
  auto process = platform::StartProcess(options);
  ASSERT_TRUE(process);
  std::vector<std::string> lines;
  std::string line;
  while (process->ReadLine(line)) lines.push_back(line);
  EXPECT_EQ(process->Wait(), 0u);
  ASSERT_EQ(lines.size(), 1u);
  HANDLE child = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, std::stoul(lines[0]));
  ASSERT_TRUE(child);
  EXPECT_EQ(WaitForSingleObject(child, 0), static_cast<DWORD>(WAIT_TIMEOUT));  // not waited for
  TerminateProcess(child, 1);
  CloseHandle(child);
}

TEST(Win32Files, ANewFileIsCompleteOrAbsentAndOneBuildLocksASource) {
  TempFolder dir(L" " + kOddName);
  UString settings = U16(dir.File(L"Sparlin.ini"));
  EXPECT_TRUE(platform::CreateNewFile(settings, "first"));
  EXPECT_FALSE(platform::CreateNewFile(settings, "second"));
  EXPECT_FALSE(platform::CreateNewFile(U16(dir.File(L"missing\\x.ini")), "x"));
  EXPECT_EQ(dir.Read(L"Sparlin.ini"), "first");
  UString source = U16(dir.File(L"Demo \u00C4.pb"));
  auto lock = platform::LockSourceForBuild(source);
  ASSERT_TRUE(lock);
  EXPECT_FALSE(platform::LockSourceForBuild(U16(dir.File(L"dEMO \u00C4.PB"))));
  lock.reset();
  EXPECT_TRUE(platform::LockSourceForBuild(source));
  int entries = 0;  // no temporary or lock file beside them
  for (auto& e : std::filesystem::directory_iterator(dir.path())) entries += e.exists();
  EXPECT_EQ(entries, 1);
}

TEST(Win32Files, UnicodePathsReadWriteReplaceCopyDelete) {
  TempFolder dir(L" " + kOddName);
  UString file = U16(dir.File(L"\u00FCber datei.txt"));
  EXPECT_EQ(platform::FileSize(file), platform::kFileMissing);
  EXPECT_EQ(platform::FileSize(U16(dir.path())), platform::kFileIsFolder);
  ASSERT_TRUE(platform::WriteWholeFile(file, "first"));
  EXPECT_EQ(platform::FileSize(file), 5);
  ASSERT_TRUE(platform::SafeReplaceFile(file, std::string("second\r\n\0x", 10)));
  std::string bytes;
  ASSERT_TRUE(platform::ReadWholeFile(file, bytes));
  EXPECT_EQ(bytes, std::string("second\r\n\0x", 10));
  // A new file by safe replacement, and no temporary file left anywhere.
  UString fresh = U16(dir.File(L"neu \u0416.pb"));
  ASSERT_TRUE(platform::SafeReplaceFile(fresh, "new"));
  EXPECT_FALSE(platform::SafeReplaceFile(U16(dir.File(L"missing\\x.txt")), "x"));
  EXPECT_FALSE(platform::SafeReplaceFile(U16(dir.path()), "x"));
  int entries = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path())) entries += e.exists();
  EXPECT_EQ(entries, 2);

  UString copy = U16(dir.File(L"kopie \u00DF.txt"));
  ASSERT_TRUE(platform::WriteWholeFile(copy, "old old old"));
  ASSERT_TRUE(platform::CopyFileOver(file, copy));
  EXPECT_EQ(dir.Read(L"kopie \u00DF.txt"), std::string("second\r\n\0x", 10));
  EXPECT_TRUE(platform::DeleteFile(copy));
  EXPECT_FALSE(platform::DeleteFile(copy));
  EXPECT_FALSE(platform::CopyFileOver(copy, file));
}

TEST(Win32Environment, VariablesClockAndDate) {
  SetEnvironmentVariableW(L"SPARLIN_TEST_VAR", L"C:\\P\u00FC B\\Compilers\\pbcompiler.exe");
  EXPECT_EQ(platform::GetEnv(u"SPARLIN_TEST_VAR"), u"C:\\P\u00FC B\\Compilers\\pbcompiler.exe");
  EXPECT_EQ(platform::GetEnv(u"SPARLIN_TEST_UNSET_VAR"), u"");
  uint64_t start = platform::MonotonicMillis();
  Sleep(120);  // the tick count moves in steps of up to 16 ms
  EXPECT_GE(platform::MonotonicMillis() - start, 90u);
  SYSTEMTIME t;
  GetLocalTime(&t);
  platform::LocalDateTime now = platform::LocalNow();
  EXPECT_EQ(now.year, t.wYear);
  EXPECT_EQ(now.month, t.wMonth);
  EXPECT_EQ(now.day, t.wDay);
}

}  // namespace
}  // namespace sparlin::wine_tests
