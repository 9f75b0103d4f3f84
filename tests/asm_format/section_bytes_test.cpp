// Reading one section from the bytes must find exactly the lines that the
// section tracker finds when it follows every trimmed line.
#include <gtest/gtest.h>

#include <random>

#include "asm_format/assembly_lines.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

// The non-empty trimmed lines inside the section, by the tracker.
std::vector<UString> TrackedLines(const std::string& bytes) {
  std::vector<UString> inside;
  SectionTracker tracker = StaticStringSection();
  for (const UString& raw : SplitLines(DecodeCompilerFileText(bytes))) {
    UString line = TrimBlanks(raw);
    if (!line.empty() && tracker.Inside(line)) inside.push_back(line);
  }
  return inside;
}

std::vector<UString> SectionLines(const std::string& bytes) {
  std::vector<UString> inside;
  auto section = SectionBytes(bytes, "_SYS_StaticStringStart", "_SYS_StaticStringEnd");
  if (!section) return inside;
  for (const UString& raw : SplitLines(DecodeUtf8(*section))) {
    UString line = TrimBlanks(raw);
    if (!line.empty()) inside.push_back(line);
  }
  return inside;
}

TEST(SectionBytes, FindsTheLinesTheTrackerFinds) {
  const std::vector<std::string> pieces = {
      "_SYS_StaticStringStart:", "  _SYS_StaticStringStart", "x _SYS_StaticStringStart", "_SYS_StaticStringEnd:",
      "   _SYS_StaticStringEnd", "; _SYS_StaticStringEnd", "_S1: dw 65,0", "\t_SYS_StaticStringStart", "",
      "  ", "\xEF\xBB\xBF_SYS_StaticStringStart", "\xC3\xA9 text"};
  const std::vector<std::string> breaks = {"\r\n", "\n", "\r", "\r\r\n"};
  std::mt19937 random(11);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes = random() % 4 == 0 ? "\xEF\xBB\xBF" : "";
    int count = static_cast<int>(random() % 8);
    for (int i = 0; i < count; ++i) {
      bytes += pieces[random() % pieces.size()];
      if (i + 1 < count || random() % 2) bytes += breaks[random() % breaks.size()];
    }
    ASSERT_EQ(SectionLines(bytes), TrackedLines(bytes)) << bytes;
  }
}

}  // namespace
}  // namespace sparlin
