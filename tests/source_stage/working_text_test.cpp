#include "source_stage/working_text.h"

#include <gtest/gtest.h>

#include <random>

#include "text/buffered_text_builder.h"

namespace sparlin {
namespace {

// The limit check must fail exactly where a BufferedTextBuilder fed the
// same lines (in UTF-16 code units) fails: limits swept finely over the
// growth steps of texts with characters of every width.
TEST(WorkingTextFits, FailsWhereTheBufferedBuilderFails) {
  std::mt19937_64 random(7);
  const UString kChars[] = {u"x", u"\u00FC", u"\u20AC", u"\U0001F600", UString(1, 0xD800)};
  for (int round = 0; round < 2; ++round) {
    const Utf8Form form = round == 0 ? Utf8Form::kFile : Utf8Form::kWithSurrogates;
    std::vector<UString> lines(300 + random() % 100);
    UString working;
    for (UString& line : lines) {
      size_t size = random() % 3 == 0 ? random() % 900 : random() % 90;
      for (size_t i = 0; i < size; ++i) line += kChars[random() % (round == 0 ? 4 : 5)];
      working += line + u"\r\n";
    }
    const std::string bytes = form == Utf8Form::kFile ? EncodeUtf8(working) : Utf16AsBytes(working);
    std::vector<TextBuilderLimits> limits;
    for (int64_t block = 20000; block < 300000; block += 1013) limits.push_back({INT32_MAX, block});
    for (int64_t length = 0; length < 150000; length += 1999) limits.push_back({length, 0});
    int failures = 0;
    for (const TextBuilderLimits& limit : limits) {
      BufferedTextBuilder builder(limit);
      for (const UString& line : lines) {
        builder.Append(line);
        builder.Append(u"\r\n");
      }
      bool held = builder.Finish().has_value();
      ASSERT_EQ(WorkingTextFits(SourceText(bytes, form), limit), held)
          << "limits " << limit.max_length << "/" << limit.max_block_bytes;
      failures += !held;
    }
    EXPECT_GT(failures, 100);
    EXPECT_LT(failures, static_cast<int>(limits.size()) - 100);
  }
}

using Visits = std::vector<std::pair<std::string, size_t>>;

std::pair<std::optional<std::string>, Visits> Working(std::string_view bytes) {
  Visits visits;
  auto text = BuildWorkingText(bytes, {}, {}, [&](std::string_view line, size_t offset) {
    visits.emplace_back(line, offset);
  });
  return {text, visits};
}

// Lines split at "\r\n", "\n" and "\r", trimmed of blanks only, each ended
// by "\r\n"; the visits see each trimmed line at its offset.
TEST(WorkingText, LinesTrimmedAndEndedWithCrLf) {
  struct Case {
    std::string_view file, working;
  };
  const Case kCases[] = {{"", ""},
                         {"a", "a\r\n"},
                         {"a\n", "a\r\n"},
                         {"a\r", "a\r\n"},
                         {"\r\n\r\n", "\r\n\r\n"},
                         {"\n\r", "\r\n\r\n"},
                         {"  x  \n\ty ", "x\r\n\ty\r\n"},
                         {"p\r\r\n\nq", "p\r\n\r\n\r\nq\r\n"},
                         {"\xff\xc3\n\x80 \r", "\xff\xc3\r\n\x80\r\n"}};
  for (const Case& c : kCases) {
    auto [text, visits] = Working(c.file);
    ASSERT_TRUE(text) << c.file;
    EXPECT_EQ(*text, c.working) << c.file;
    for (const auto& [line, offset] : visits) EXPECT_EQ(text->substr(offset, line.size() + 2), line + "\r\n");
  }
}

TEST(WorkingText, ATextPastTheLimitIsNotHeldAndTheInputIsStillReleased) {
  bool released = false;
  // 5 + 5 code units, though "\xc3\xa9" is two bytes: the limit counts units.
  auto text = BuildWorkingText("ab\xc3\xa9\ndef", TextBuilderLimits{10, 0}, [&] { released = true; },
                               [](std::string_view, size_t) {});
  EXPECT_TRUE(text.has_value());
  text = BuildWorkingText("abc\ndef", TextBuilderLimits{9, 0}, [&] { released = true; },
                          [](std::string_view, size_t) {});
  EXPECT_FALSE(text.has_value());
  EXPECT_TRUE(released);
}

}  // namespace
}  // namespace sparlin
