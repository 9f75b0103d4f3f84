#include "pruning/library_files.h"

#include <gtest/gtest.h>

#include "pruning/uncalled_removal.h"
#include "support/fake_host.h"

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
      "Open\x1F" "Console\x1F\0"s       // up to code 31
      "\x01 AB\0"s                     // noise only once the blank is trimmed
      "\x01 !x\0"s
      "\x03 Spaced Out \0"s           // trimmed in the first round, blanks removed in the second
      "lowerCase\0"s
      "OpenConsole\0"s                 // listed again
      "MidERUPMarker\0"s               // second marker: the list ends
      "AfterTheList\0ERUP\0Later\0"s;
  EXPECT_EQ(LibraryFunctionNames(bytes),
            (std::vector<UString>{u"OpenConsole", u"PrintN", u"ABC", u"ZY.", u"ZYX!", u"X4BIL", u"ABC", u"ConsoleInput", u"OpenConsole", u"SpacedOut",
                                  u"lowerCase", u"OpenConsole"}));
}

// Short capital names are noise unless the assembly declares them in one of
// the counted declaration forms of its bitness; a declared name also keeps
// its blanks.
TEST(LibraryFileTest, ADeclaredShortCapitalNameIsARealName) {
  const std::string bytes = "ERUP\0NaN\0AAA\0Sin\0Go On\0ERUP\0"s;
  struct Case {
    const char16_t* text;
    bool is_64_bit;
    std::vector<UString> names;
  };
  for (const Case& c : {Case{u"extrn PB_NaN\r\n", true, {u"NaN", u"Sin", u"GoOn"}},
                        Case{u"; extrn PB_NaN_DOUBLE\r\n", true, {u"NaN", u"Sin", u"GoOn"}},
                        Case{u"extrn _PB_NaN@0\r\n", false, {u"NaN", u"Sin", u"GoOn"}},
                        Case{u"extrn _PB_NaN_THREAD@4\r\n", false, {u"NaN", u"Sin", u"GoOn"}},
                        Case{u"extrn _PB_NaN@0\r\n", true, {u"Sin", u"GoOn"}},
                        Case{u"CALL   PB_NaN\r\nextrn PB_NaNx\r\n", true, {u"Sin", u"GoOn"}},
                        Case{u"extrn PB_Go On\r\n", true, {u"Sin", u"Go On"}}}) {
    EXPECT_EQ(LibraryFunctionNames(bytes, DeclaredRuntimeNames(EncodeUtf8(c.text), c.is_64_bit)), c.names) << EncodeUtf8(c.text);
  }
}

// Header names that are not bare file names, and files too large to be
// library files, are never read.
TEST(LibraryFileTest, OnlyBareNamesAndFilesOfSaneSizeAreRead) {
  testing::InMemoryBuild build;
  const UString folder = u"C:\\PB\\PureLibraries\\";
  const std::string library = "ERUP\0Sin\0ERUP\0"s;
  for (const char16_t* name : {u"Math", u"..\\..\\x\\evil", u"sub/Lib", u"C:Lib"}) build.files.Write(folder + name, library);
  build.files.Write(folder + u"Big", library + std::string(kMaxLibraryFileBytes, 'x'));
  std::vector<UString> libraries = {u"..\\..\\x\\evil", u"Big", u"C:Lib", u"Math", u"sub/Lib"};
  RemoveUncalledLibraries(build.ctx, libraries, "extrn PB_Sin\r\nCALL   PB_Sin\r\n", folder);
  std::string log = build.LogUtf8();
  EXPECT_EQ(log.substr(0, log.find("\r\n\r\n\t\t\tPB_Sin")), "\t\xc2\xb7  Called PB Functions\r\n\r\n\t\tMath: 1");
}

}  // namespace
}  // namespace sparlin
