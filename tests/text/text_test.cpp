#include <gtest/gtest.h>

#include <vector>

#include "text/text_ops.h"
#include "text/ustring.h"

namespace sparlin {
namespace {

TEST(Utf8, AnsiBytesSurviveADecodeEncodeRoundTrip) {
  // "Grüße" in Windows-1252, an overlong slash, a lone continuation byte and a
  // truncated sequence at the end: none of them valid UTF-8.
  std::string ansi = "Gr\xFC\xDF" "e \xC0\xAF \x80 ok \xE2\x82";
  UString text = DecodeUtf8(ansi);
  EXPECT_EQ(text.find(u'\uFFFD'), UString::npos);
  EXPECT_EQ(EncodeUtf8(text), ansi);
  EXPECT_EQ(EncodeUtf8(DecodeUtf8("\xC2\xB7 \xF0\x9F\x98\x80")), "\xC2\xB7 \xF0\x9F\x98\x80");
  EXPECT_EQ(DecodeUtf8("\xC2\xB7"), u"\u00B7");
}

TEST(Bom, DetectsEachMarkAndRoundTripsEachEncoding) {
  struct Case {
    std::string bom;
    TextEncoding encoding;
  } cases[] = {{"\xEF\xBB\xBF", TextEncoding::kUtf8},
               {"\xFF\xFE", TextEncoding::kUtf16LE},
               {"\xFE\xFF", TextEncoding::kUtf16BE},
               {std::string("\0\0\xFE\xFF", 4), TextEncoding::kUtf32BE},
               {"", TextEncoding::kAscii}};
  const UString text = u"Debug \"\u00E9\U0001F600\"\r\n";
  for (const auto& c : cases) {
    std::string file = BomBytes(c.encoding) + EncodeText(text, c.encoding);
    EXPECT_EQ(file.substr(0, c.bom.size()), c.bom);
    DetectedBom found = DetectBom(file);
    EXPECT_EQ(found.encoding, c.encoding);
    EXPECT_EQ(found.length, c.bom.size());
    EXPECT_EQ(DecodeWithBom(file), text);
  }
  EXPECT_EQ(EncodeText(u"A\u00E9", TextEncoding::kUtf16BE), std::string("\0A\0\xE9", 4));
  EXPECT_EQ(EncodeText(u"A", TextEncoding::kUtf32BE), std::string("\0\0\0A", 4));
}

TEST(TextOps, CountsAndReplacesWithoutOverlap) {
  EXPECT_EQ(CountOccurrences(u"aaaa", u"aa"), 2u);
  EXPECT_EQ(CountOccurrences(u"abc", u""), 0u);
  EXPECT_EQ(ReplaceAll(u"a.b.c", u".", u","), u"a,b,c");
  EXPECT_EQ(ReplaceAllNoCase(u"C:\\Src\\a and c:\\SRC\\b", u"c:\\src\\", u""), u"a and b");
  EXPECT_EQ(ReplaceAllNoCase(u"x #pb_editor_compilecount y", u"#PB_Editor_CompileCount", u"12"), u"x 12 y");
  EXPECT_EQ(ToLower(u"\u00C9COLE \u0416"), u"\u00E9cole \u0436");
}

// Upper and lower case of every letter pair the case-insensitive searches
// rely on, both ways: Latin-1, both runs of Latin Extended-A and the Y with
// diaeresis that lies outside them, Greek, Cyrillic.
TEST(TextOps, CaseMappingIsSymmetricForEveryPair) {
  const std::vector<std::pair<char16_t, char16_t>> pairs = {
      {u'A', u'a'},   {u'Z', u'z'},   {0xC9, 0xE9},   {0xDE, 0xFE},   {0x178, 0xFF},  {0x100, 0x101}, {0x139, 0x13A},
      {0x147, 0x148},       {0x14A, 0x14B}, {0x176, 0x177}, {0x179, 0x17A}, {0x17B, 0x17C}, {0x17D, 0x17E},
      {0x391, 0x3B1},       {0x416, 0x436}, {0x401, 0x451}};
  for (auto [upper, lower] : pairs) {
    EXPECT_EQ(ToLowerChar(upper), lower) << int(upper);
    EXPECT_EQ(ToUpperChar(lower), upper) << int(lower);
    EXPECT_EQ(ToLowerChar(lower), lower) << int(lower);
    EXPECT_EQ(ToUpperChar(upper), upper) << int(upper);
  }
  for (char16_t uncased : {u'1', char16_t(0xD7), char16_t(0xF7), char16_t(0x138), char16_t(0x149)}) {
    EXPECT_EQ(ToLowerChar(uncased), uncased);
    EXPECT_EQ(ToUpperChar(uncased), uncased);
  }
}

// Replacing ignoring case, as a copy and in place, growing and shrinking.
TEST(TextOps, ReplacesIgnoringCaseInPlaceAsACopyWould) {
  struct Case {
    const char16_t* text;
    const char16_t* from;
    const char16_t* to;
    const char16_t* expected;
  };
  for (const Case& c : {Case{u"#PB_Count + #pb_COUNT*2", u"#pb_count", u"7", u"7 + 7*2"},
                        Case{u"aAaA", u"aa", u"x", u"xx"}, Case{u"aaa", u"aa", u"", u"a"},
                        Case{u"\u00C9t\u00E9", u"\u00E9", u"e", u"ete"}, Case{u"none", u"xy", u"z", u"none"},
                        Case{u"ab", u"b", u"long", u"along"}, Case{u"", u"a", u"b", u""}}) {
    EXPECT_EQ(ReplaceAllNoCase(c.text, c.from, c.to), c.expected);
    UString text = c.text;
    ReplaceAllNoCaseInPlace(text, c.from, c.to);
    EXPECT_EQ(text, c.expected);
  }
}

TEST(TextOps, TrimsOnlyBlanksAndReadsLeadingIntegers) {
  EXPECT_EQ(TrimBlanks(u"  \ta b\t  "), u"\ta b\t");
  EXPECT_EQ(TrimBlanks(u"    "), u"");
  EXPECT_EQ(LeadingInteger(u" 12abc"), 12);
  EXPECT_EQ(LeadingInteger(u"\t-7"), -7);
  EXPECT_EQ(LeadingInteger(u"abc"), 0);
  EXPECT_EQ(LeadingInteger(u"99999999999999999999999"), INT64_MAX);
  EXPECT_EQ(StringField(u"a b  c", 3, u' '), u"");
  EXPECT_EQ(StringField(u"a b  c", 4, u' '), u"c");
  EXPECT_EQ(StringField(u"a", 2, u' '), u"");
}

TEST(TextOps, SplitsLinesAtEveryKindOfLineEnd) {
  EXPECT_EQ(SplitLines(u"a\r\nb\nc\rd"), (std::vector<UString>{u"a", u"b", u"c", u"d"}));
  EXPECT_EQ(SplitLines(u"a\r\n\r\n"), (std::vector<UString>{u"a", u""}));
  EXPECT_TRUE(SplitLines(u"").empty());
}

}  // namespace
}  // namespace sparlin
