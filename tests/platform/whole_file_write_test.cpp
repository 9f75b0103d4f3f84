// Whole-file writes on the real file system: a replace, a copy over and the
// creation of a new file either complete or leave everything as it was, never
// write through a link, and never leave a temporary file.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>

#include <filesystem>
#include <set>

#include "platform/os_calls.h"
#include "platform/platform.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace sparlin {
namespace {

namespace fs = std::filesystem;
using testing::FileSizeLimit;
using testing::TempDir;

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

// The three writes, each putting `bytes` at `target`; the copy copies the
// file "from" beside the target, which the test fills with `bytes` first.
struct WholeWrite {
  const char* name;
  bool (*run)(const TempDir& dir, const std::string& bytes);
};

const WholeWrite kWrites[] = {
    {"replace",
     [](const TempDir& dir, const std::string& b) { return platform::SafeReplaceFile(dir.File("target"), b); }},
    {"copy",
     [](const TempDir& dir, const std::string&) {
       return platform::CopyFileOver(dir.File("from"), dir.File("target"));
     }},
    {"create",
     [](const TempDir& dir, const std::string& b) { return platform::CreateNewFile(dir.File("target"), b); }},
};

bool Creates(const WholeWrite& write) { return std::string(write.name) == "create"; }

TEST(WholeFileWrites, NeverGoThroughALinkAndLeaveNoTemporaryFile) {
  for (const WholeWrite& write : kWrites) {
    SCOPED_TRACE(write.name);
    TempDir outside, dir;
    outside.Write("victim", "victim bytes");
    dir.Write("from", "new bytes");
    if (!Creates(write)) dir.Write("target", "old");
    // A link where the temporary file's name used to be predictable.
    fs::create_symlink(outside.path() / "victim", dir.path() / ("target.sparlin-tmp-" + std::to_string(::getpid())));
    std::set<std::string> after = Names(dir.path());
    after.insert("target");
    EXPECT_TRUE(write.run(dir, "new bytes"));
    EXPECT_EQ(dir.Read("target"), "new bytes");
    EXPECT_EQ(outside.Read("victim"), "victim bytes");
    EXPECT_EQ(Names(dir.path()), after);

    // The target itself a link: replaced by the new file, or not created.
    fs::remove(dir.path() / "target");
    fs::create_symlink(outside.path() / (Creates(write) ? "not-there" : "victim"), dir.path() / "target");
    EXPECT_EQ(write.run(dir, "new bytes"), !Creates(write));
    EXPECT_EQ(outside.Read("victim"), "victim bytes");
    EXPECT_EQ(Names(outside.path()), std::set<std::string>{"victim"});
    EXPECT_EQ(Names(dir.path()), after);
  }
}

TEST(WholeFileWrites, AFullDiskLeavesTheOldFileAndNoTemporaryFile) {
  const std::string big(64 * 1024, 'x');
  for (const WholeWrite& write : kWrites) {
    SCOPED_TRACE(write.name);
    TempDir dir;
    dir.Write("from", big);
    if (!Creates(write)) dir.Write("target", "old bytes");
    std::set<std::string> before = Names(dir.path());
    {
      FileSizeLimit full(4096);
      EXPECT_FALSE(write.run(dir, big));
    }
    EXPECT_EQ(Names(dir.path()), before);
    if (!Creates(write)) {
      EXPECT_EQ(dir.Read("target"), "old bytes");
    }
  }
}

}  // namespace
}  // namespace sparlin
#endif
