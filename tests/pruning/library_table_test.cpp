#include "pruning/library_table.h"

#include <gtest/gtest.h>

namespace sparlin {
namespace {

std::vector<UString> Keys(const FunctionTable& table) {
  std::vector<UString> keys;
  for (const auto& entry : table.entries()) keys.push_back(entry.key);
  return keys;
}

// Erasures keep the order of what is left, also when they come in runs
// between walks and when an erased key comes back (it goes to the end).
TEST(LibraryTableTest, ErasingKeepsInsertionOrder) {
  struct Step {
    std::vector<const char16_t*> erase;
    std::vector<const char16_t*> add;
    std::vector<UString> expected;
  };
  const Step steps[] = {
      {{u"b"}, {}, {u"a", u"c", u"d", u"e"}},
      {{u"a", u"e", u"x"}, {}, {u"c", u"d"}},
      {{u"c"}, {u"a", u"c"}, {u"d", u"a", u"c"}},
      {{u"d", u"a", u"c"}, {u"f"}, {u"f"}},
  };
  FunctionTable table;
  int value = 0;
  for (const char16_t* key : {u"a", u"b", u"c", u"d", u"e"}) table[key] = ++value;
  for (const Step& step : steps) {
    for (const char16_t* key : step.erase) table.Erase(key);
    for (const char16_t* key : step.add) table[key] = ++value;
    EXPECT_EQ(table.size(), step.expected.size());
    EXPECT_EQ(Keys(table), step.expected);
    for (const UString& key : step.expected) ASSERT_NE(table.Find(key), nullptr) << Utf8(key);
  }
  EXPECT_EQ(*table.Find(u"f"), value);
  EXPECT_EQ(table.Find(u"a"), nullptr);
  EXPECT_FALSE(table.Erase(u"a"));
}

}  // namespace
}  // namespace sparlin
