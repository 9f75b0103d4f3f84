// "/PREPROCESS" of the stand-in compiler against the real compiler's output
// and against hand-made include trees.
#include <gtest/gtest.h>

#include "standin/standin_support.h"
#include "support/temp_dir.h"

namespace sparlin::testing::standin {
namespace {

namespace fs = std::filesystem;

const fs::path kTajmone = fs::path("projects") / "tajmone_OOP_Ex2";

// The real file starts with a hand-written header of 15 lines and one empty
// line in front of what the compiler wrote.
std::string RealCompilerPart() {
  std::string real = ReadBytes(CorpusFolder() / kTajmone / "OOP-Inheritance-Ex2_preprocessed.pb");
  size_t pos = 0;
  for (int n = 0; n < 16; ++n) pos = real.find('\n', pos) + 1;
  return real.substr(pos);
}

TEST(StandinPreprocess, ReproducesTheRealCompilersCommentedOutput) {
  SKIP_WITHOUT_STANDIN();
  TempDir temp;
  fs::path project = CorpusFolder() / kTajmone;
  RunResult run = RunCompiler(Quote(project / "OOP-Inheritance-Ex2.pb") + " /PREPROCESS " +
                                  Quote(temp.path() / "out.pb") + " --commented",
                              project);
  ASSERT_EQ(run.exit_code, 0u) << run.output;
  EXPECT_EQ(ReadBytes(temp.path() / "out.pb"), RealCompilerPart());
}

TEST(StandinPreprocess, PlainOutputIsTheRealOutputWithoutItsEchoedLines) {
  SKIP_WITHOUT_STANDIN();
  TempDir temp;
  fs::path project = CorpusFolder() / kTajmone;
  RunResult run = RunCompiler(Quote(project / "OOP-Inheritance-Ex2.pb") + " /PREPROCESS " +
                                  Quote(temp.path() / "out.pb"),
                              project);
  ASSERT_EQ(run.exit_code, 0u) << run.output;
  std::string expected;
  for (const std::string& line : Lines(RealCompilerPart()))
    if (line.rfind("; ", 0) != 0) expected += line + "\n";
  EXPECT_EQ(ReadBytes(temp.path() / "out.pb"), expected);
}

TEST(StandinPreprocess, FlattensIncludesAndExpandsMacrosKeepingTheirBlocks) {
  SKIP_WITHOUT_STANDIN();
  TempDir temp;
  fs::path app = temp.path() / "app";
  WriteBytes(app / "main.pb",
             "\xEF\xBB\xBFIncludePath \"inc\"\r\n"
             "XIncludeFile \"Lib.pbi\"\r\n"
             "XIncludeFile \"LIB.PBI\" ; once only, whatever the letter case\r\n"
             "IncludeFile \"..\\shared\\Common.pbi\"\r\n"
             "\r\n"
             "Macro Name(x, suffix = _v)\r\n"
             "  x#suffix ; joined\r\n"
             "EndMacro\r\n"
             "Macro Shout(text)\r\n"
             "  PrintN(text + \"!\")\r\n"
             "  PrintN(UCase(text))\r\n"
             "EndMacro\r\n"
             "  Name(count) = 1\r\n"
             "Shout(\"Caf\xC3\xA9\")\r\n"
             "DataSection\r\n"
             "  Logo: IncludeBinary \"logo.png\"\r\n"
             "EndDataSection\r\n");
  WriteBytes(app / "inc" / "Lib.pbi", "; library\r\nProcedure LibProc()\r\n  ProcedureReturn 1 ; one\r\nEndProcedure\r\n");
  WriteBytes(temp.path() / "shared" / "Common.pbi", "Global common = 2");
  RunResult run = RunCompiler(Quote(app / "main.pb") + " /PREPROCESS " + Quote(app / "main_Sparl.pb"), app);
  ASSERT_EQ(run.exit_code, 0u) << run.output;
  EXPECT_EQ(ReadBytes(app / "main_Sparl.pb"),
            "Procedure LibProc()\n"
            "  ProcedureReturn 1 \n"
            "EndProcedure\n"
            "Global common = 2\n"
            "Macro Name(x, suffix = _v)\n"
            "  x#suffix \n"
            "EndMacro\n"
            "Macro Shout(text)\n"
            "  PrintN(text + \"!\")\n"
            "  PrintN(UCase(text))\n"
            "EndMacro\n"
            "count_v  = 1\n"
            "PrintN(\"Caf\xC3\xA9\" + \"!\")\n"
            "PrintN(UCase(\"Caf\xC3\xA9\"))\n"
            "DataSection\n"
            "  Logo: IncludeBinary \"logo.png\"\n"
            "EndDataSection\n");
}

TEST(StandinPreprocess, MissingIncludeFailsLikeACompiler) {
  SKIP_WITHOUT_STANDIN();
  TempDir temp;
  WriteBytes(temp.path() / "main.pb", "OpenConsole()\r\nIncludeFile \"missing.pbi\"\r\n");
  RunResult run = RunCompiler(Quote(temp.path() / "main.pb") + " /PREPROCESS " + Quote(temp.path() / "out.pb"),
                              temp.path());
  EXPECT_EQ(run.exit_code, 1u);
  EXPECT_EQ(Lines(run.output).back(), "Line 2: File not found (missing.pbi) in 'main.pb'.");
  EXPECT_FALSE(fs::exists(temp.path() / "out.pb"));
}

// Real project trees: Windows "..\" include paths that resolve only from the
// main file's folder, an include whose own include resolves only from its
// folder, and a name whose letter case differs from the file on disk.
TEST(StandinPreprocess, ResolvesTheIncludesOfRealProjects) {
  SKIP_WITHOUT_STANDIN();
  const fs::path mains[] = {
      fs::path("projects") / "AmiDARK_eXtends_Vector3" / "Vector3" / "DBProVector3Extends.dll.pb",
      fs::path("projects") / "Maagic7_String" / "Modules" / "ModulDevelop" / "String" / "String_Main.pb",
      fs::path("projects") / "zonemaster60_HandyDrvLED" / "src" / "HandyDrvLED.pb",
      fs::path("projects") / "codeprof_DX9Subsystem" / "Source" / "DX9SubsystemDLL44.pb"};
  for (const fs::path& main : mains) {
    TempDir temp;
    fs::path source = CorpusFolder() / main;
    RunResult run = RunCompiler(Quote(source) + " /PREPROCESS " + Quote(temp.path() / "out.pb"),
                                source.parent_path());
    EXPECT_EQ(run.exit_code, 0u) << main << "\n" << run.output;
    for (const std::string& line : Lines(ReadBytes(temp.path() / "out.pb"))) {
      std::string head = line.substr(0, line.find_first_of(" \t\""));
      EXPECT_NE(head, "IncludeFile") << main;
      EXPECT_NE(head, "XIncludeFile") << main;
    }
  }
}

}  // namespace
}  // namespace sparlin::testing::standin
