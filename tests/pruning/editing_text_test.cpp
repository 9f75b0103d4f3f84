// Which text the removal steps work on: the index, unless a name it cannot
// answer for is still in the table after the count or a header line stands
// inside a line. Either way the edits give the same file (the differential
// tests); here, that the choice itself follows its rule.
#include "pruning/indexed_text.h"

#include <gtest/gtest.h>

namespace sparlin {
namespace {

TEST(EditingText, TheIndexServesUnlessANameOrAHeaderLineIsOutOfItsReach) {
  struct Case {
    const char* what;
    const char* text;
    const char16_t* library;
    const char16_t* symbol;
    bool indexed;
  };
  const Case cases[] = {
      {"plain names", "; Lib\r\nextrn PB_Foo\r\n", u"Lib", u"PB_Foo", true},
      {"a symbol with a blank", "; Lib\r\nextrn PB_Foo Bar\r\n", u"Lib", u"PB_Foo Bar", false},
      {"a symbol past ASCII", "; Lib\r\nextrn PB_F\xC3\xBC\r\n", u"Lib", u"PB_F\u00FC", false},
      {"a library with a blank", "; My Lib\r\nextrn PB_Foo\r\n", u"My Lib", u"PB_Foo", false},
      {"a header line inside a line", "x; Lib\r\nextrn PB_Foo\r\n", u"Lib", u"PB_Foo", false},
      {"a header line inside a line and at its start", "x; Lib\r\n; Lib\r\nextrn PB_Foo\r\n", u"Lib", u"PB_Foo",
       false},
  };
  for (const Case& c : cases) {
    IndexedText text(c.text, true);
    LibraryTable table;
    table[c.library][c.symbol] = 0;
    EXPECT_EQ(text.CountReferences({c.symbol}, {c.library}), std::vector<int64_t>{1}) << c.what;
    EXPECT_EQ(&text.EditingText(table) == &text, c.indexed) << c.what;
  }
}

}  // namespace
}  // namespace sparlin
