// The settings file on a full disk: created complete or not at all.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <filesystem>

#include "app/settings_file.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace sparlin {
namespace {

TEST(SettingsFileCreation, AFullDiskLeavesNoFileAndTheNextLaunchCreatesItWhole) {
  testing::TempDir dir;
  SettingsFile file{dir.File("Sparlin.ini")};
  {
    testing::FileSizeLimit full(64);
    EXPECT_FALSE(file.CreateIfMissing());
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  EXPECT_TRUE(file.CreateIfMissing());
  EXPECT_EQ(dir.Read("Sparlin.ini"), CreatedSettingsFileBytes());
}

}  // namespace
}  // namespace sparlin
#endif
