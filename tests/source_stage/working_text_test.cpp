#include "source_stage/working_text.h"

#include <gtest/gtest.h>

#include <random>

#include "text/buffered_text_builder.h"

namespace sparlin {
namespace {

// The limit check must fail exactly where a BufferedTextBuilder fed the same
// pieces fails: limits swept finely over the growth steps of a few texts.
TEST(TextBuilderFit, FailsWhereTheBufferedBuilderFails) {
  std::mt19937_64 random(7);
  for (int text = 0; text < 2; ++text) {
    std::vector<size_t> pieces(700 + random() % 300);
    for (size_t& piece : pieces) piece = random() % 3 == 0 ? random() % 900 : random() % 90;
    std::vector<TextBuilderLimits> limits;
    for (int64_t bytes = 20000; bytes < 500000; bytes += 613) limits.push_back({INT32_MAX, bytes});
    for (int64_t length = 0; length < 200000; length += 1999) limits.push_back({length, 0});
    int failures = 0;
    for (const TextBuilderLimits& limit : limits) {
      BufferedTextBuilder builder(limit);
      TextBuilderFit fit(limit);
      for (size_t piece : pieces) {
        builder.Append(UString(piece, u'x'));
        fit.Add(piece);
      }
      bool held = builder.Finish().has_value();
      ASSERT_EQ(fit.Fits(), held) << "limits " << limit.max_length << "/" << limit.max_block_bytes;
      failures += !held;
    }
    EXPECT_GT(failures, 100);
    EXPECT_LT(failures, static_cast<int>(limits.size()) - 100);
  }
}

// A file's text gives the working text and the visits of its split lines.
TEST(WorkingText, FromAFileTextAsFromItsLines) {
  const UStringView kTexts[] = {u"",          u"a",          u"a\n",      u"a\r",        u"a\r\n",     u"\r\n\r\n",
                                u"\n\r",      u"  x  \n\ty ", u"a\n\rb\r", u"   \r\n  ", u"p\r\r\n\nq"};
  for (UStringView text : kTexts) {
    std::vector<std::pair<UString, size_t>> from_lines, from_text;
    auto by_lines = BuildWorkingText(SplitLineViews(text), {}, {}, [&](UStringView line, size_t offset) {
      from_lines.emplace_back(UString(line), offset);
    });
    auto by_text = BuildWorkingText(text, {}, {}, [&](UStringView line, size_t offset) {
      from_text.emplace_back(UString(line), offset);
    });
    ASSERT_TRUE(by_lines && by_text);
    EXPECT_EQ(*by_text, *by_lines) << Utf8(text);
    EXPECT_EQ(from_text, from_lines) << Utf8(text);
  }
  UString expected = u"x\r\n\ty\r\n";
  EXPECT_EQ(*BuildWorkingText(UStringView(u"  x  \n\ty "), {}, {}, [](UStringView, size_t) {}), expected);
}

TEST(WorkingText, ATextPastTheLimitIsNotHeldAndTheInputIsStillReleased) {
  bool released = false;
  auto text = BuildWorkingText(UStringView(u"abc\ndef"), TextBuilderLimits{6, 0}, [&] { released = true; },
                               [](UStringView, size_t) {});
  EXPECT_FALSE(text.has_value());
  EXPECT_TRUE(released);
}

}  // namespace
}  // namespace sparlin
