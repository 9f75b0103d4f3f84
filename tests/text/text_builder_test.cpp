#include "text/text_builder.h"

#include <gtest/gtest.h>

namespace sparlin {
namespace {

TEST(TextBuilder, StartsEmptyAndAppendsCountsOrWholeTexts) {
  TextBuilder b;
  EXPECT_EQ(b.Text(), u"");
  EXPECT_EQ(b.Capacity(), 20484);
  b.Append(u"", 0);
  b.Append(u"abcdef", 3);
  b.Append(u"XY", 0);
  b.Append(u"\r\n", -5);
  EXPECT_EQ(b.Text(), u"abcXY\r\n");
  b.Append(u"more");
  EXPECT_EQ(b.Text(), u"abcXY\r\nmore");  // taking the text leaves the builder usable
  EXPECT_EQ(b.Length(), 11);
}

TEST(TextBuilder, GrowsByTheFactorWhenFull) {
  TextBuilder b;
  b.Append(UString(10240, u'a'));
  EXPECT_EQ(b.Capacity(), 20484);  // needed 20480 = capacity - 4 still fits
  b.Append(u"b");
  EXPECT_EQ(b.Capacity(), 26221);  // round(20482 * 1.28 + 4.0)
  UString expected = UString(10240, u'a') + u"b";
  EXPECT_EQ(b.Text(), expected);
  for (int i = 0; i < 2000; ++i) b.Append(u"line of text\r\n");
  EXPECT_EQ(b.Length(), 10241 + 2000 * 14);
  EXPECT_FALSE(b.Failed());
}

TEST(TextBuilder, AFailedAppendKeepsTheBufferAndReportsIt) {
  struct Case {
    TextBuilderLimits limits;
    size_t appended;
  };
  // A growth past the block limit (would need 30726 bytes), and a length past
  // the length limit.
  for (const Case& c : {Case{{INT32_MAX, 30000}, 12000}, Case{{10, 0}, 7}}) {
    TextBuilder b(c.limits);
    b.Append(u"kept");
    b.Append(UString(c.appended, u'x'));
    EXPECT_TRUE(b.Failed());
    EXPECT_EQ(b.Text(), u"kept");
    EXPECT_EQ(b.Capacity(), 20484);
  }
}

}  // namespace
}  // namespace sparlin
