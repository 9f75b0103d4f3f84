#include "source_stage/macro_removal.h"

#include <gtest/gtest.h>

#include "source_stage/source_stage_fixtures.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

using testing::ReplacementBlock;
using testing::CorpusFile;
using testing::Crlf;
using testing::FakeBuild;
using testing::RecordedMessage;
using testing::TempDir;

// A file's text as the passes read it.
std::string_view Lines(std::string_view lf_text) { return lf_text; }

TEST(MacroBlocks, EveryRecognisedBlockGoesAndTheLastOneAtTheEnd) {
  MacroRemovalResult result = RemoveMacroBlocks(Lines(
      "; Geometry helpers\n"
      "  Macro Square(x)\n"
      "    ((x) * (x))\n"
      "  EndMacro\n"
      "\n"
      "Global side = 4\n"
      "Debug Square(side)\n"
      "Macro  Half(x)\n"
      "  ((x) / 2)\n"
      "EndMacro\n"
      "Macro AreaOf (w, h)\n"
      "  ((w) * (h))\n"
      "EndMacro\n"));
  ASSERT_TRUE(result.ok);
  // The cut of the first block trims the line feed at the very end of the
  // text; the file writer adds its "\r\n" after that.
  EXPECT_EQ(result.text, "; Geometry helpers\r\n\r\nGlobal side = 4\r\nDebug Square(side)\r");
  EXPECT_EQ(EncodeUtf8(MacroLogItem(result)),
            "\t\xc2\xb7  Macro Comments Removed: 3\r\n\r\n\t\tSquare()\r\n\t\t()\r\n\t\tAreaOf()\r\n");
}

TEST(MacroBlocks, EndLinesOfBlocksThatAreNotTakenDoNotSwallowCode) {
  // A one-line macro stays open (it has no end line of its own); the blocks
  // after it start with a tab and are not taken, and their end lines at the
  // left margin must not close anything.
  MacroRemovalResult result = RemoveMacroBlocks(Lines(
      "Macro Cube(x) : ((x) * (x) * (x)) : EndMacro\n"
      "Debug Cube(3)\n"
      "\tMacro Twice(x)\n"
      "\t\t(2 * (x))\n"
      "EndMacro\n"
      "Debug Twice(3)\n"
      "Macro Inc(v)\n"
      "  v + 1\n"
      "EndMacro\n"
      "Debug Inc(3)\n"
      "Macro\tDec(v)\n"
      "  v - 1\n"
      "  EndMacro\n"
      "Debug Dec(3)"));
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.text,
            "Macro Cube(x) : ((x) * (x) * (x)) : EndMacro\r\nDebug Cube(3)\r\n\tMacro Twice(x)\r\n\t\t(2 * (x))\r\n"
            "EndMacro\r\nDebug Twice(3)\r\nDebug Inc(3)\r\nMacro\tDec(v)\r\nv - 1\r\nEndMacro\r\nDebug Dec(3)\r");
  EXPECT_EQ(EncodeUtf8(MacroLogItem(result)),
            "\t\xc2\xb7  Macro Comments Removed: 2\r\n\r\n\t\tCube()\r\n\t\tInc()\r\n");
}

TEST(MacroBlocks, TextWithoutMacrosOnlyLosesItsBlanks) {
  MacroRemovalResult result = RemoveMacroBlocks(Lines("  OpenConsole()  \n\tPrintN(\"Hi\")\n\n   \nInput()"));
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.text, "OpenConsole()\r\n\tPrintN(\"Hi\")\r\n\r\n\r\nInput()\r\n");
  EXPECT_EQ(EncodeUtf8(MacroLogItem(result)), "\t\xc2\xb7  Macro Comments Removed: 0\r\n");
}

class RemoveMacrosTest : public ::testing::Test {
 protected:
  void UseFile(TextEncoding format, const std::string& bytes) {
    dir.Write("units_Sparl.pbi", bytes);
    build.state.globals.OptimizedSourcePath = dir.File("units_Sparl.pbi");
    build.state.source.SourceFormat = format;
  }
  std::string File() const { return dir.Read("units_Sparl.pbi"); }
  RecordedMessage Message(const char* verb) const {
    return {u"Error Macros", U(verb) + dir.File("units_Sparl.pbi") + u" was not successful...", MessageIcon::kError};
  }

  TempDir dir;
  FakeBuild build;
};

TEST_F(RemoveMacrosTest, RealMacroFileInUtf16) {
  // 22 unit conversion macros, as the encoding step leaves the file for a
  // UTF-16 source: every block goes, the comments between them stay.
  const std::string source = CorpusFile("Maagic7__PbFw_SI_Unit_Macros.pbi");
  UseFile(TextEncoding::kUtf16LE, "\xFF\xFE" + EncodeText(DecodeWithBom(source), TextEncoding::kUtf16LE));
  RemoveMacros(build.ctx);

  UString expected;
  UString names;
  bool in_block = false;
  for (const UString& raw : SplitLines(DecodeWithBom(source))) {
    UString line = TrimBlanks(raw);
    if (StartsWith(line, u"Macro ")) {
      in_block = true;
      names += u"\t\t" + StringField(line.substr(0, line.find(u'(')), 2, u' ') + u"()\r\n";
    }
    if (!in_block) expected += (expected.empty() ? u"" : u"\r\n") + line;
    if (StartsWith(line, u"EndMacro")) in_block = false;
  }
  EXPECT_EQ(File(), "\xFF\xFE" + EncodeText(expected + u"\r\n", TextEncoding::kUtf16LE));
  EXPECT_EQ(build.log.Text(), u"\t\u00B7  Macro Comments Removed: 22\r\n\r\n" + names);
  EXPECT_EQ(CountOccurrences(names, u"()"), 22u);
  EXPECT_EQ(build.host.progress, std::vector<int>{25});
  EXPECT_TRUE(build.host.messages.empty());
}

TEST_F(RemoveMacrosTest, AnsiFileKeepsItsBytes) {
  UseFile(TextEncoding::kAscii, "Macro Euro(x) : (x) : EndMacro\r\nDebug \"Preis in \x80\"\r\nMacro Fr(x)\r\n  x\r\nEndMacro");
  RemoveMacros(build.ctx);
  EXPECT_EQ(File(), "Macro Euro(x) : (x) : EndMacro\r\nDebug \"Preis in \x80\"\r\n\r\n");
}

TEST_F(RemoveMacrosTest, UnreadableFileShowsTheMessageAndLogsNothing) {
  std::filesystem::create_directories(dir.path() / "units_Sparl.pbi");
  build.state.globals.OptimizedSourcePath = dir.File("units_Sparl.pbi");
  build.state.source.SourceFormat = TextEncoding::kUtf8;
  RemoveMacros(build.ctx);
  EXPECT_EQ(build.host.messages, std::vector<RecordedMessage>{Message("Reading ")});
  EXPECT_EQ(build.LogUtf8(), "");
  EXPECT_TRUE(build.host.progress.empty());
}

TEST_F(RemoveMacrosTest, UnwritableFileKeepsItsContentAfterTheLogItem) {
  const std::string before = "\xEF\xBB\xBFMacro One()\r\n1\r\nEndMacro\r\nDebug One()\r\n";
  UseFile(TextEncoding::kUtf8, before);
  ReplacementBlock blocked(dir, "units_Sparl.pbi");
  RemoveMacros(build.ctx);
  EXPECT_EQ(build.host.messages, std::vector<RecordedMessage>{Message("Writing ")});
  EXPECT_EQ(build.LogUtf8(), "\t\xc2\xb7  Macro Comments Removed: 1\r\n\r\n\t\tOne()\r\n");
  EXPECT_EQ(File(), before);
}

}  // namespace
}  // namespace sparlin
