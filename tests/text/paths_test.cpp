#include "text/paths.h"

#include <gtest/gtest.h>

namespace sparlin {
namespace {

TEST(Paths, SplitsWindowsPathsAtTheLastSeparatorAndDot) {
  EXPECT_EQ(PathFolder(u"C:\\x\\my.file.pb"), u"C:\\x\\");
  EXPECT_EQ(PathBaseName(u"C:\\x\\my.file.pb"), u"my.file");
  EXPECT_EQ(PathExtension(u"C:\\x\\my.file.pb"), u"pb");
  EXPECT_EQ(PathFileName(u"C:/x\\y/z.pbi"), u"z.pbi");
  EXPECT_EQ(PathFolder(u"demo.exe"), u"");
  EXPECT_EQ(PathExtension(u"C:\\x.y\\prog"), u"");
  EXPECT_EQ(PathBaseName(u"C:\\x.y\\prog"), u"prog");
}

}  // namespace
}  // namespace sparlin
