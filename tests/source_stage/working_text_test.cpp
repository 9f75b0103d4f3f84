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

using Visits = std::vector<std::pair<UString, size_t>>;

template <typename Lines>
std::pair<std::optional<UString>, Visits> Working(const Lines& lines) {
  Visits visits;
  auto text = BuildWorkingText(lines, {}, {}, [&](UStringView line, size_t offset) { visits.emplace_back(line, offset); });
  return {text, visits};
}

// A file's text, and its UTF-8 bytes decoded in pieces of any size, give the
// working text and the visits of the text's split lines.
TEST(WorkingText, FromAFileAsFromItsLines) {
  const std::string_view kFiles[] = {"",         "a",          "a\n",       "a\r",          "a\r\n",
                                     "\r\n\r\n", "\n\r",        "  x  \n\ty ", "a\n\rb\r",      "   \r\n  ",
                                     "p\r\r\n\nq", "\xc3\x9c\xce\xa3 (\r\n\xe2\x82", "\xff\xc3\n\x80 \r"};
  for (std::string_view bytes : kFiles) {
    UString text = DecodeUtf8(bytes);
    auto expected = Working(SplitLineViews(text));
    ASSERT_TRUE(expected.first);
    EXPECT_EQ(Working(FileLines::OfText(text)), expected) << bytes;
    for (size_t piece = 1; piece <= 6; ++piece) EXPECT_EQ(Working(FileLines::OfUtf8(bytes, piece)), expected) << bytes;
  }
  EXPECT_EQ(*Working(FileLines::OfText(u"  x  \n\ty ")).first, u"x\r\n\ty\r\n");
}

TEST(WorkingText, ATextPastTheLimitIsNotHeldAndTheInputIsStillReleased) {
  bool released = false;
  auto text = BuildWorkingText(FileLines::OfUtf8("abc\ndef"), TextBuilderLimits{6, 0}, [&] { released = true; },
                               [](UStringView, size_t) {});
  EXPECT_FALSE(text.has_value());
  EXPECT_TRUE(released);
}

}  // namespace
}  // namespace sparlin
