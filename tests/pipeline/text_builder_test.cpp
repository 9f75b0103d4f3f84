#include "pipeline/text_builder.h"

#include <gtest/gtest.h>

namespace sparlin {
namespace {

TEST(TextBuilder, StartsEmptyAndAppendsCountsOrWholeTexts) {
  TextBuilder b = TextBuilderNew();
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(TextBuilderText(b), u"");
  EXPECT_EQ(TextBuilderCapacity(b), 20484);
  TextBuilderAppend(b, u"", 0);
  TextBuilderAppend(b, u"abcdef", 3);
  TextBuilderAppend(b, u"XY", 0);
  TextBuilderAppend(b, u"\r\n", -5);
  EXPECT_EQ(TextBuilderText(b), u"abcXY\r\n");
  TextBuilderAppend(b, u"more");
  EXPECT_EQ(TextBuilderText(b), u"abcXY\r\nmore");  // taking the text leaves the builder usable
  EXPECT_EQ(TextBuilderLength(b), 11);
  EXPECT_EQ(TextBuilderFree(b), 0);
  EXPECT_EQ(TextBuilderText(nullptr), u"");
  EXPECT_EQ(TextBuilderFree(nullptr), 0);
  EXPECT_EQ(TextBuilderAppend(nullptr, u"x"), 0);
}

TEST(TextBuilder, GrowsByTheFactorWhenFull) {
  TextBuilder b = TextBuilderNew();
  TextBuilderAppend(b, UString(10240, u'a'));
  EXPECT_EQ(TextBuilderCapacity(b), 20484);  // needed 20480 = capacity - 4 still fits
  TextBuilderAppend(b, u"b");
  EXPECT_EQ(TextBuilderCapacity(b), 26221);  // round(20482 * 1.28 + 4.0)
  UString expected = UString(10240, u'a') + u"b";
  EXPECT_EQ(TextBuilderText(b), expected);
  for (int i = 0; i < 2000; ++i) TextBuilderAppend(b, u"line of text\r\n");
  EXPECT_EQ(TextBuilderLength(b), 10241 + 2000 * 14);
  EXPECT_FALSE(TextBuilderFailed(b));
  TextBuilderFree(b);
}

TEST(TextBuilder, AFailedGrowthKeepsTheBufferAndReportsIt) {
  TextBuilder b = TextBuilderNew();
  TextBuilderAppend(b, u"kept");
  TextBuilderSetAllocationLimitForTesting(30000);
  TextBuilderAppend(b, UString(12000, u'x'));  // would need 30726 bytes
  TextBuilderSetAllocationLimitForTesting(0);
  EXPECT_TRUE(TextBuilderFailed(b));
  EXPECT_EQ(TextBuilderText(b), u"kept");
  EXPECT_EQ(TextBuilderCapacity(b), 20484);
  TextBuilderFree(b);
}

}  // namespace
}  // namespace sparlin
