#include "pruning/library_file.h"

#include <gtest/gtest.h>

namespace sparlin {
namespace {

using namespace std::string_literals;

TEST(LibraryFileTest, LinesEndAtLineBreaksAndZeroBytes) {
  std::string bytes = "a\r\nb\rc\nd\0e\0\0f"s;
  std::vector<std::string_view> lines = SplitLibraryLines(bytes);
  EXPECT_EQ(lines, (std::vector<std::string_view>{"a", "b", "c", "d", "e", "", "f"}));
  EXPECT_EQ(SplitLibraryLines("x\n"), (std::vector<std::string_view>{"x"}));
  EXPECT_TRUE(SplitLibraryLines("").empty());
}

TEST(LibraryFileTest, NamesBetweenTheFirstTwoMarkerLinesSurviveTheNoise) {
  // A symbol table as it may look in a library file: binary runs split by
  // zero bytes, short capital-letter runs, decorated names, argument lists.
  std::string bytes =
      "PureLibrary\0BeforeMarker\0"s
      "\x01\x02" "ERUP\x7f\0"s           // first marker: names follow
      "OpenConsole\0"s
      "  PrintN  \r\n"s                // blanks trimmed
      "4BILConsole\0"s                 // library tag
      "@Decorated\0Trailing@\0"s
      "AAA\0AB\0AA!\0AB?\0QQ?\0"s      // capital-letter noise
      "ABC\0ZY.\0ZYX!\0X4BIL\0"s         // more than the letter and one mark: names
      "A B  C\0"s                      // blanks go, then as ABC
      "!Bang\0?Query\0(Args)\0"s
      "Con\x01sole\tInput\0"s          // control characters removed
      "\x01 AB\0"s                     // noise only once the blank is trimmed
      "\x01 !x\0"s
      "\x03 Spaced Out \0"s           // trimmed in the first round, blanks removed in the second
      "lowerCase\0"s
      "OpenConsole\0"s                 // listed again
      "MidERUPMarker\0"s               // second marker: the list ends
      "AfterTheList\0ERUP\0Later\0"s;
  EXPECT_EQ(LibraryFunctionNames(bytes),
            (std::vector<UString>{u"OpenConsole", u"PrintN", u"ABC", u"ZY.", u"ZYX!", u"X4BIL", u"ABC", u"ConsoleInput", u"SpacedOut",
                                  u"lowerCase", u"OpenConsole"}));
}

}  // namespace
}  // namespace sparlin
