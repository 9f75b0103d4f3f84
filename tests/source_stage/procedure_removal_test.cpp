#include "source_stage/procedure_removal.h"

#include <gtest/gtest.h>

#include "text/text_builder.h"
#include "source_stage/source_stage_fixtures.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

using testing::ReplacementBlock;
using testing::CorpusFile;
using testing::FakeBuild;
using testing::RecordedMessage;
using testing::TempDir;

// A file's text as the passes read it.
std::string_view Lines(std::string_view lf_text) { return lf_text; }

TEST(UncalledProcedures, EveryKindOfDefinitionAndReference) {
  ProcedureRemovalResult result = RemoveUncalledProcedureBlocks(Lines(
      "EnableExplicit\n"
      "Declare.s Greeting(name.s)\n"
      "Declare Unused(x)\n"
      "\n"
      "Procedure.s Greeting(name.s)\n"
      "  ProcedureReturn \"Hello \" + name\n"
      "EndProcedure\n"
      "\n"
      "Procedure Unused(x)\n"
      "  ProcedureReturn x * 2\n"
      "EndProcedure\n"
      "\n"
      "Procedure Helper(v)\n"
      "  ProcedureReturn v + 1\n"
      "EndProcedure\n"
      "\n"
      "Procedure Factorial(n)\n"
      "  If n <= 1 : ProcedureReturn 1 : EndIf\n"
      "  ProcedureReturn n * Factorial(n - 1)\n"
      "EndProcedure\n"
      "\n"
      "ProcedureC WindowCallback(hWnd, uMsg, wParam, lParam)\n"
      "  ProcedureReturn #PB_ProcessPureBasicEvents\n"
      "EndProcedure\n"
      "\n"
      "Procedure Orphan()\n"
      "  Debug Helper(1)\n"
      "EndProcedure\n"
      "ProcedureDLL AttachProcess(Instance)\n"
      "  Global Ready = #True\n"
      "EndProcedure\n"
      "\n"
      "ProcedureCDLL.i Version()\n"
      "  ProcedureReturn 2\n"
      "EndProcedure\n"
      "\n"
      "Procedure UnusedTwo ()\n"
      "EndProcedure\n"
      "  Procedure Padded(a)\n"
      "    ProcedureReturn a\n"
      "  EndProcedure\n"
      "\tProcedure Tabbed()\n"
      "\t\tDebug \"tab\"\n"
      "EndProcedure\n"
      "SetWindowCallback(@WindowCallback())\n"
      "Debug Greeting(\"World\")"));
  ASSERT_TRUE(result.ok);
  // Gone: the three procedures that nothing names. Kept: the declared one,
  // the one only the removed Orphan calls, the recursive one, the callback
  // used by address, the exported ones and the tab-indented one.
  EXPECT_EQ(result.text,
            "EnableExplicit\r\nDeclare.s Greeting(name.s)\r\nDeclare Unused(x)\r\n\r\n"
            "Procedure.s Greeting(name.s)\r\nProcedureReturn \"Hello \" + name\r\nEndProcedure\r\n\r\n"
            "Procedure Unused(x)\r\nProcedureReturn x * 2\r\nEndProcedure\r\n\r\n"
            "Procedure Helper(v)\r\nProcedureReturn v + 1\r\nEndProcedure\r\n\r\n"
            "Procedure Factorial(n)\r\nIf n <= 1 : ProcedureReturn 1 : EndIf\r\nProcedureReturn n * Factorial(n - 1)\r\n"
            "EndProcedure\r\n\r\n"
            "ProcedureC WindowCallback(hWnd, uMsg, wParam, lParam)\r\nProcedureReturn #PB_ProcessPureBasicEvents\r\n"
            "EndProcedure\r\n\r\n"
            "ProcedureDLL AttachProcess(Instance)\r\nGlobal Ready = #True\r\nEndProcedure\r\n\r\n"
            "ProcedureCDLL.i Version()\r\nProcedureReturn 2\r\nEndProcedure\r\n\r\n"
            "\tProcedure Tabbed()\r\n\t\tDebug \"tab\"\r\nEndProcedure\r\n"
            "SetWindowCallback(@WindowCallback())\r\nDebug Greeting(\"World\")");
  EXPECT_EQ(EncodeUtf8(ProcedureLogItem(result)),
            "\t\xc2\xb7  Uncalled Procedures Removed: 3\r\n\r\n\t\tOrphan()\r\n\t\tUnusedTwo()\r\n\t\tPadded()\r\n");
}

TEST(UncalledProcedures, EndLinesOfProceduresThatAreNotTakenDoNotSwallowCode) {
  // "Stub" has its end on its own line and stays open; the end line of the
  // tab-indented procedure must not close it over the code in between. An
  // exported procedure's end line closes nothing either.
  ProcedureRemovalResult result = RemoveUncalledProcedureBlocks(Lines(
      "Procedure Stub() : EndProcedure\n"
      "Global Total = 10\n"
      "\tProcedure$ Label$(v)\n"
      "\t\tProcedureReturn Str(v)\n"
      "EndProcedure\n"
      "Debug Total\n"
      "Procedure.d Scale(v.d)\n"
      "  ProcedureReturn v * 2.5\n"
      "EndProcedure\n"
      "Debug \"after Scale\"\n"
      "ProcedureDLL.l Exported()\n"
      "  ProcedureReturn 1\n"
      "EndProcedure\n"
      "Procedure\tSpaced()\n"
      "EndProcedure\n"
      "Debug \"end\"\n"));
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.text,
            "Procedure Stub() : EndProcedure\r\nGlobal Total = 10\r\n\tProcedure$ Label$(v)\r\n"
            "\t\tProcedureReturn Str(v)\r\nEndProcedure\r\nDebug Total\r\nDebug \"after Scale\"\r\n"
            "ProcedureDLL.l Exported()\r\nProcedureReturn 1\r\nEndProcedure\r\nProcedure\tSpaced()\r\nEndProcedure\r\n"
            "Debug \"end\"\r");
  EXPECT_EQ(EncodeUtf8(ProcedureLogItem(result)), "\t\xc2\xb7  Uncalled Procedures Removed: 1\r\n\r\n\t\tScale()\r\n");
}

TEST(UncalledProcedures, TextWithoutProceduresOnlyLosesItsBlanks) {
  ProcedureRemovalResult result = RemoveUncalledProcedureBlocks(Lines("  If OpenConsole()  \n\tPrintN(\"x\")\nEndIf"));
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.text, "If OpenConsole()\r\n\tPrintN(\"x\")\r\nEndIf\r\n");
  EXPECT_EQ(EncodeUtf8(ProcedureLogItem(result)), "\t\xc2\xb7  Uncalled Procedures Removed: 0\r\n");
}

TEST(UncalledProcedures, WorkingTextThatCannotGrowFailsThePass) {
  std::string text;
  for (int i = 0; i < 20; ++i) text += std::string(800, 'x') + "\n";
  ProcedureRemovalResult result = RemoveUncalledProcedureBlocks(text, {INT32_MAX, 30000});
  EXPECT_FALSE(result.ok);
}

class RemoveProceduresTest : public ::testing::Test {
 protected:
  void UseFile(TextEncoding format, const std::string& bytes) {
    dir.Write("omnikam_Sparl.pb", bytes);
    build.state.globals.OptimizedSourcePath = dir.File("omnikam_Sparl.pb");
    build.state.source.SourceFormat = format;
  }
  std::string File() const { return dir.Read("omnikam_Sparl.pb"); }
  RecordedMessage Message(const char* verb) const {
    return {u"Error Procedures", U(verb) + dir.File("omnikam_Sparl.pb") + u" was not successful...",
            MessageIcon::kError};
  }

  TempDir dir;
  FakeBuild build;
};

TEST_F(RemoveProceduresTest, RealSourceWithoutMarkLosesItsUncalledProcedure) {
  // Dod is defined at lines 73 to 75 and never called; GSin is called.
  const std::string source = CorpusFile("senf666__omnikamtest.pb");
  UseFile(TextEncoding::kAscii, source);
  RemoveUncalledProcedures(build.ctx);

  std::vector<UString> lines = SplitLines(U(source));
  ASSERT_GT(lines.size(), 74u);
  ASSERT_EQ(lines[72].substr(0, 18), u"Procedure Dod(a,b)");
  std::string expected;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i >= 72 && i <= 74) continue;
    expected += EncodeUtf8(TrimBlanks(lines[i])) + (i + 1 < lines.size() ? "\r\n" : "\r");
  }
  EXPECT_EQ(File(), expected + "\r\n");
  EXPECT_EQ(build.LogUtf8(), "\t\xc2\xb7  Uncalled Procedures Removed: 1\r\n\r\n\t\tDod()\r\n");
  EXPECT_EQ(build.host.progress, std::vector<int>{33});
  EXPECT_TRUE(build.host.messages.empty());
}

TEST_F(RemoveProceduresTest, BigEndianFileIsWrittenBackInItsEncoding) {
  const UString text = u"Procedure \u00DCbrig()\r\nEndProcedure\r\nDebug \"\u20AC\"\r\n";
  for (TextEncoding format : {TextEncoding::kUtf16BE, TextEncoding::kUtf32BE}) {
    SCOPED_TRACE(static_cast<int>(format));
    FakeBuild one;
    dir.Write("omnikam_Sparl.pb", BomBytes(format) + EncodeText(text, format));
    one.state.globals.OptimizedSourcePath = dir.File("omnikam_Sparl.pb");
    one.state.source.SourceFormat = format;
    RemoveUncalledProcedures(one.ctx);
    EXPECT_EQ(File(), BomBytes(format) + EncodeText(u"Debug \"\u20AC\"\r\r\n", format));
    EXPECT_EQ(one.log.Text(), u"\t\u00B7  Uncalled Procedures Removed: 1\r\n\r\n\t\t\u00DCbrig()\r\n");
  }
}

TEST_F(RemoveProceduresTest, UnreadableFileShowsTheMessageAndLogsNothing) {
  std::filesystem::create_directories(dir.path() / "omnikam_Sparl.pb");
  build.state.globals.OptimizedSourcePath = dir.File("omnikam_Sparl.pb");
  build.state.source.SourceFormat = TextEncoding::kUtf16LE;
  RemoveUncalledProcedures(build.ctx);
  EXPECT_EQ(build.host.messages, std::vector<RecordedMessage>{Message("Reading ")});
  EXPECT_EQ(build.LogUtf8(), "");
}

TEST_F(RemoveProceduresTest, UnwritableFileKeepsItsContentAfterTheLogItem) {
  const std::string before = "Procedure Gone()\r\nEndProcedure\r\nDebug 1\r\n";
  UseFile(TextEncoding::kAscii, before);
  ReplacementBlock blocked(dir, "omnikam_Sparl.pb");
  RemoveUncalledProcedures(build.ctx);
  EXPECT_EQ(build.host.messages, std::vector<RecordedMessage>{Message("Writing ")});
  EXPECT_EQ(build.LogUtf8(), "\t\xc2\xb7  Uncalled Procedures Removed: 1\r\n\r\n\t\tGone()\r\n");
  EXPECT_EQ(File(), before);
}

}  // namespace
}  // namespace sparlin
