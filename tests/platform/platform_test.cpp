#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/command_line.h"
#include "platform/os_calls.h"
#include "platform/platform.h"
#include "support/temp_dir.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

using testing::TempDir;

TEST(CommandLine, SplitsByTheWindowsRules) {
  EXPECT_EQ(SplitCommandLine(u"\"C:\\a b\\x.pb\" /PREPROCESS \"C:\\a b\\x_Sparl.pb\""),
            (std::vector<UString>{u"C:\\a b\\x.pb", u"/PREPROCESS", u"C:\\a b\\x_Sparl.pb"}));
  EXPECT_EQ(SplitCommandLine(u"  a\tb  "), (std::vector<UString>{u"a", u"b"}));
  EXPECT_EQ(SplitCommandLine(u"a\\\\\"b c\" d\\\"e \"\""),
            (std::vector<UString>{u"a\\b c", u"d\"e", u""}));
  EXPECT_EQ(SplitCommandLine(u"C:\\dir\\ \"x\"\"y\""), (std::vector<UString>{u"C:\\dir\\", u"x\"y"}));
  for (UString arg : {u"plain", u"with blank", u"ends\\", u"q\"uote", u"a\\\\\"b", u""}) {
    EXPECT_EQ(SplitCommandLine(QuoteArgument(arg)), std::vector<UString>{arg});
  }
}

TEST(Files, SizeQueryTellsMissingFromFolder) {
  TempDir dir;
  dir.Write("f.txt", "abc");
  EXPECT_EQ(platform::FileSize(dir.File("f.txt")), 3);
  EXPECT_EQ(platform::FileSize(dir.File("none")), platform::kFileMissing);
  EXPECT_EQ(platform::FileSize(dir.Folder()), platform::kFileIsFolder);
  EXPECT_EQ(platform::FileSize(u""), platform::kFileMissing);
}

TEST(Files, BackslashPathsReachTheFileSystem) {
  TempDir dir;
  dir.Write("sub/f.txt", "x");
  UString windows_style = dir.Folder() + u"sub\\f.txt";
  std::string bytes;
  ASSERT_TRUE(platform::ReadWholeFile(windows_style, bytes));
  EXPECT_EQ(bytes, "x");
  EXPECT_TRUE(platform::CopyFileOver(windows_style, dir.Folder() + u"sub\\g.txt"));
  EXPECT_EQ(dir.Read("sub/g.txt"), "x");
  EXPECT_FALSE(platform::CopyFileOver(windows_style, dir.Folder() + u"sub/./f.txt"));  // onto itself
  EXPECT_EQ(dir.Read("sub/f.txt"), "x");
  EXPECT_TRUE(platform::DeleteFile(windows_style));
  EXPECT_FALSE(dir.Exists("sub/f.txt"));
  EXPECT_FALSE(platform::DeleteFile(windows_style));
}

TEST(Files, SafeReplaceKeepsTheOldContentWhenItCannotComplete) {
  TempDir dir;
  dir.Write("target.txt", "old");
  ASSERT_TRUE(platform::SafeReplaceFile(dir.File("target.txt"), "new content"));
  EXPECT_EQ(dir.Read("target.txt"), "new content");
  // A folder in place of the file, and a file in a folder that does not exist.
  std::filesystem::create_directory(dir.path() / "folder");
  EXPECT_FALSE(platform::SafeReplaceFile(dir.File("folder"), "x"));
  EXPECT_FALSE(platform::SafeReplaceFile(dir.File("missing/x.txt"), "x"));
  EXPECT_FALSE(platform::WriteWholeFile(dir.File("folder"), "x"));
  // No temporary file is left behind.
  int entries = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path())) entries += e.exists();
  EXPECT_EQ(entries, 2);
}

// One holder per real folder: other spellings, other sources in it and a
// linked folder share the lock; nothing is left beside the sources, and a
// killed build's temporary files go when the lock is taken.
TEST(SourceLocks, OneHolderPerRealFolder) {
  TempDir dir;
  dir.Write("src/Demo.pb", "x");
  dir.Write("src/PureBasic.asm.sparlin-tmp-0123456789abcdef", "left by a killed build");
  dir.Write("other/x.pb", "x");
#ifdef _WIN32
  const char* linked = "src/Demo.pb";  // Wine makes no folder links
#else
  std::filesystem::create_directory_symlink(dir.path() / "src", dir.path() / "link");
  const char* linked = "link/Demo.pb";
#endif
  auto first = platform::LockSourceForBuild(dir.File("src/Demo.pb"));
  ASSERT_TRUE(first);
  EXPECT_FALSE(dir.Exists("src/PureBasic.asm.sparlin-tmp-0123456789abcdef"));
  for (const char* other : {"src/Demo.pb", "src/./other.pb", linked, "other/../src/new.pb"}) {
    EXPECT_FALSE(platform::LockSourceForBuild(dir.File(other))) << other;
  }
  EXPECT_TRUE(platform::LockSourceForBuild(dir.File("other/x.pb")));
  first.reset();
  EXPECT_TRUE(platform::LockSourceForBuild(dir.File(linked)));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "src"), {}), 1);
}

#ifndef _WIN32
// The lock files lie in a folder of the user's own, removed with the lock; a
// folder of that name that others may write to is not used (the build then
// runs unlocked rather than waiting on someone else's lock).
TEST(SourceLocks, LockFilesLieInAPrivateFolderAndGoWithTheLock) {
  TempDir dir;
  dir.Write("src/a.pb", "x");
  std::string old_tmp = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
  std::string old_runtime = std::getenv("XDG_RUNTIME_DIR") ? std::getenv("XDG_RUNTIME_DIR") : "";
  ::setenv("TMPDIR", dir.path().c_str(), 1);
  ::unsetenv("XDG_RUNTIME_DIR");
  auto private_folder = dir.path() / ("sparlin-" + std::to_string(::geteuid()));
  {
    auto lock = platform::LockSourceForBuild(dir.File("src/a.pb"));
    ASSERT_TRUE(lock);
    EXPECT_EQ(std::filesystem::status(private_folder).permissions(), std::filesystem::perms::owner_all);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(private_folder), {}), 1);
  }
  EXPECT_TRUE(std::filesystem::is_empty(private_folder));
  std::filesystem::permissions(private_folder, std::filesystem::perms::all);
  auto held = platform::LockSourceForBuild(dir.File("src/a.pb"));
  EXPECT_TRUE(held && platform::LockSourceForBuild(dir.File("src/a.pb")));
  held.reset();
  if (old_tmp.empty()) ::unsetenv("TMPDIR");
  else ::setenv("TMPDIR", old_tmp.c_str(), 1);
  if (!old_runtime.empty()) ::setenv("XDG_RUNTIME_DIR", old_runtime.c_str(), 1);
}

// Links and hard links are the file they lead to.
TEST(Files, SameFileSeesThroughLinks) {
  TempDir dir;
  dir.Write("src/demo.pb", "x");
  dir.Write("src/other.pb", "x");
  std::filesystem::create_directory_symlink(dir.path() / "src", dir.path() / "link");
  std::filesystem::create_hard_link(dir.path() / "src/demo.pb", dir.path() / "hard.exe");
  EXPECT_TRUE(platform::SameFile(dir.File("src/demo.pb"), dir.File("link/demo.pb")));
  EXPECT_TRUE(platform::SameFile(dir.File("src/demo.pb"), dir.File("hard.exe")));
  EXPECT_FALSE(platform::SameFile(dir.File("src/demo.pb"), dir.File("src/other.pb")));
  EXPECT_FALSE(platform::SameFile(dir.File("src/demo.pb"), dir.File("src/missing.pb")));
  EXPECT_FALSE(platform::SameFile(dir.File("src/demo.pb") + UString(1, u'\0'), dir.File("src/demo.pb")));
}
#endif

std::unique_ptr<platform::Process> Shell(const UString& script, const UString& folder = u"") {
  platform::ProcessOptions options;
  options.program = u"/bin/sh";
  options.parameters = u"-c " + QuoteArgument(script);
  options.working_folder = folder;
  options.capture_stdout = true;
  return platform::StartProcess(options);
}

TEST(Processes, ReadLinesAndExitCodes) {
  TempDir dir;
  auto p = Shell(u"pwd; printf 'a\\r\\nb\\n\\nlast'; exit 7", dir.Folder());
  ASSERT_TRUE(p);
  std::vector<std::string> lines;
  std::string line;
  while (p->ReadLine(line)) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{std::filesystem::canonical(dir.path()).string(), "a", "b", "", "last"}));
  EXPECT_EQ(p->Wait(), 7u);
}

TEST(Processes, ASegmentationFaultReportsTheAccessViolationCode) {
  auto p = Shell(u"kill -SEGV $$");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->Wait(), platform::kAccessViolation);
}

TEST(Processes, AMissingProgramIsNotStarted) {
  platform::ProcessOptions options;
  options.program = u"/nonexistent/pbcompiler.exe";
  EXPECT_EQ(platform::StartProcess(options), nullptr);
  options.program = u"/bin/sh";
  options.working_folder = u"/nonexistent/folder/";
  EXPECT_EQ(platform::StartProcess(options), nullptr);
}

#ifndef _WIN32
// The shell ends at once; the sleep it leaves behind holds the pipe. "$!" is
// the sleep itself (a simple command run in the background), so the kill at
// the end leaves no process behind.
TEST(Processes, TheProgramsEndEndsTheOutputThoughItsChildHoldsThePipe) {
  auto p = Shell(u"echo first; sleep 30 & echo $!; exit 3");
  ASSERT_TRUE(p);
  std::vector<std::string> lines;
  std::string line;
  while (p->ReadLine(line)) lines.push_back(line);
  ASSERT_EQ(lines.size(), 2u);
  pid_t child = std::stoi(lines[1]);
  EXPECT_EQ(::kill(child, 0), 0);  // the output ended while the child still runs
  EXPECT_EQ(lines[0], "first");
  EXPECT_EQ(p->Wait(), 3u);
  EXPECT_EQ(::kill(child, SIGKILL), 0);
}

// A replaced file keeps its permissions whatever the umask.
TEST(Files, SafeReplaceKeepsThePermissions) {
  TempDir dir;
  dir.Write("private.txt", "old");
  std::filesystem::permissions(dir.path() / "private.txt", std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::owner_write);
  mode_t old_mask = ::umask(022);
  bool replaced = platform::SafeReplaceFile(dir.File("private.txt"), "new");
  ::umask(old_mask);
  ASSERT_TRUE(replaced);
  EXPECT_EQ(dir.Read("private.txt"), "new");
  EXPECT_EQ(std::filesystem::status(dir.path() / "private.txt").permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

// The lock file lives in the temporary folder, a shared place: a link
// planted at its name is never followed, so nothing is created through it.
TEST(SourceLocks, ALinkPlantedAtTheLockFilesNameIsNotFollowed) {
  TempDir tmp;
  TempDir elsewhere;
  const char* old_tmpdir = std::getenv("TMPDIR");
  std::string saved = old_tmpdir ? old_tmpdir : "";
  ::setenv("TMPDIR", tmp.path().c_str(), 1);
  UString source = elsewhere.File("Demo.pb");
  // Where the lock file of this source goes, as seen in the folder.
  platform::LockSourceForBuild(source).reset();
  std::vector<std::filesystem::path> made;
  for (auto& entry : std::filesystem::directory_iterator(tmp.path())) made.push_back(entry.path());
  bool planted = made.size() == 1 && std::filesystem::remove(made[0]);
  if (planted) std::filesystem::create_symlink(elsewhere.path() / "through-link", made[0]);
  auto lock = planted ? platform::LockSourceForBuild(source) : nullptr;
  old_tmpdir ? ::setenv("TMPDIR", saved.c_str(), 1) : ::unsetenv("TMPDIR");
  ASSERT_TRUE(planted) << "the lock file was expected as the one file in TMPDIR";
  EXPECT_FALSE(elsewhere.Exists("through-link"));
}

// With room for only the output pipe, the start fails on its second pipe and
// must give the first one back.
TEST(Processes, AFailedStartLeavesNoOpenPipe) {
  rlimit old_limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &old_limit), 0);
  rlimit low = old_limit;
  low.rlim_cur = 64;
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
  std::vector<int> filler;
  for (int fd; (fd = ::open("/dev/null", O_RDONLY)) >= 0;) filler.push_back(fd);
  for (int i = 0; i < 2 && !filler.empty(); ++i) {
    ::close(filler.back());
    filler.pop_back();
  }
  platform::ProcessOptions options;
  options.program = u"/bin/sh";
  options.parameters = u"-c \"exit 0\"";
  options.capture_stdout = true;
  bool started = platform::StartProcess(options) != nullptr;
  int free_after = 0;
  for (int fd; free_after < 3 && (fd = ::open("/dev/null", O_RDONLY)) >= 0; ++free_after) filler.push_back(fd);
  for (int fd : filler) ::close(fd);
  ::setrlimit(RLIMIT_NOFILE, &old_limit);
  EXPECT_FALSE(started);
  EXPECT_EQ(free_after, 2);
}
#endif

}  // namespace
}  // namespace sparlin
