#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <vector>

#include "platform/command_line.h"
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

TEST(SourceLocks, OneHolderPerSourceAsWindowsComparesPathsAndNoFileBesideIt) {
  TempDir dir;
  UString source = dir.File("Demo.pb");
  UString same_file = source;
  for (char16_t& c : same_file) c = c == u'/' ? u'\\' : ToLowerChar(c);
  auto first = platform::LockSourceForBuild(source);
  ASSERT_TRUE(first);
  EXPECT_FALSE(platform::LockSourceForBuild(source));
  EXPECT_FALSE(platform::LockSourceForBuild(same_file));
  EXPECT_TRUE(platform::LockSourceForBuild(dir.File("other.pb")));
  first.reset();
  EXPECT_TRUE(platform::LockSourceForBuild(source));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

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
// The shell ends at once; the child it leaves behind holds the pipe and
// would leave a mark only after its sleep.
TEST(Processes, TheProgramsEndEndsTheOutputThoughItsChildHoldsThePipe) {
  TempDir dir;
  auto p = Shell(u"echo first; (sleep 30; touch mark) & echo $!; exit 3", dir.Folder());
  ASSERT_TRUE(p);
  std::vector<std::string> lines;
  std::string line;
  while (p->ReadLine(line)) lines.push_back(line);
  EXPECT_FALSE(dir.Exists("mark"));  // the output ended without waiting for the child
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "first");
  EXPECT_EQ(p->Wait(), 3u);
  ::kill(std::stoi(lines[1]), SIGKILL);
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
