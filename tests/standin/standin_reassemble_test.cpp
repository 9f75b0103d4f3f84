// "/REASM" of the stand-in compiler: the real flat assembler accepts the
// examples and the real compiler's assembly, rejects broken assembly with its
// own messages, accepts what Sparlin's rewriting makes of the assembly, and
// the output shrinks with every library dropped from the header.
#include <gtest/gtest.h>

#include <fstream>

#include "standin/standin_support.h"
#include "support/temp_dir.h"

namespace sparlin::testing::standin {
namespace {

namespace fs = std::filesystem;

struct Example {
  const char* folder;
  const char* main;
  const char* switches;
  const char* output;
};

const Example kExamples[] = {
    {"console", "Console", " /CONSOLE", "Console.exe"},
    {"image_viewer", "ImageViewer", " /DPIAWARE", "ImageViewer.exe"},
    {"runtime_names", "RuntimeNames", "", "RuntimeNames.exe"},
    {"includes_macros", "Main", " /CONSOLE", "Main.exe"},
    {"version_info", "VersionInfo", " /CONSOLE /RESOURCE \"extra.rc\"", "VersionInfo.exe"},
    {"dll_user", "DllUser", " /CONSOLE", "DllUser.exe"},
    {"sorted_list", "SortedList", " /CONSOLE", "SortedList.exe"},
};

TEST(StandinReassemble, EveryExampleAssemblesForBothTargets) {
  SKIP_WITHOUT_STANDIN();
  for (const char* cpu : {"x64", "x86"}) {
    ScopedEnv target("SPARLIN_STANDIN_TARGET", cpu);
    for (const Example& example : kExamples) {
      TempDir temp;
      RunResult compiled = CompileExample(example.folder, example.main, temp.path(), example.switches);
      ASSERT_EQ(compiled.exit_code, 0u) << example.main << " " << cpu << "\n" << compiled.output;
      RunResult built = Reassemble(temp.path(), example.output, example.switches);
      EXPECT_EQ(built.exit_code, 0u) << example.main << " " << cpu << "\n" << built.output;
      EXPECT_TRUE(fs::is_regular_file(temp.path() / example.output)) << example.main;
    }
  }
}

TEST(StandinReassemble, RealCompilerAssemblyAssemblesAndBrokenAssemblyFails) {
  SKIP_WITHOUT_STANDIN();
  for (const char* name : {"win-x64__pb570b3__DialogManager__PureBasic.asm",
                           "win-x64__pb570b3__PureBasicIDE__PureBasic.asm",
                           "win-x86__pb450a1__DialogManager__PureBasic4.50.asm"}) {
    TempDir temp;
    fs::copy_file(CorpusFolder() / "asm" / name, temp.path() / "PureBasic.asm");
    RunResult run = Reassemble(temp.path(), "out.exe");
    EXPECT_EQ(run.exit_code, 0u) << name << "\n" << run.output;
  }
  // The Linux sample declares a public symbol that it never defines: fasm's
  // own message comes back and nothing is written.
  TempDir temp;
  fs::copy_file(CorpusFolder() / "asm" / "linux-x86__pb420__Moebius_Sample_00.asm", temp.path() / "PureBasic.asm");
  RunResult run = Reassemble(temp.path(), "out.exe");
  EXPECT_EQ(run.exit_code, 1u);
  std::vector<std::string> lines = Lines(run.output);
  ASSERT_GE(lines.size(), 5u) << run.output;
  std::u8string path = (temp.path() / "PureBasic.asm").u8string();
  EXPECT_EQ(std::vector<std::string>(lines.end() - 5, lines.end()),
            (std::vector<std::string>{std::string(path.begin(), path.end()) + " [34]:", "public PB_FunctionTest",
                                      "processed: public PB_FunctionTest",
                                      "error: undefined symbol 'PB_FunctionTest'.", "Error: the assembler failed."}));
  EXPECT_FALSE(fs::exists(temp.path() / "out.exe"));
}

// Source forms that once made the stand-in write assembly that fasm rejects:
// List/Map/Array parameters, the "ProcedureDLL$" form, a quad literal in
// 32-bit code, an export named like an assembler word and a zero byte on a
// line of its own.
TEST(StandinReassemble, ProcedureParameterFormsAndOddLinesAssemble) {
  SKIP_WITHOUT_STANDIN();
  const std::string source =
      "Procedure Count(List Items.s(), Map Names.i(), Array Cells.l(1), *Pointer.Point)\r\n"
      "  ProcedureReturn ListSize(Items())\r\nEndProcedure\r\n"
      "ProcedureDLL$ Label(Value)\r\n  ProcedureReturn Str(Value)\r\nEndProcedure\r\n"
      "ProcedureDLL$ Data(Value)\r\nEndProcedure\r\n"
      "Big.q = 99999999999\r\n" + std::string(1, '\0') + "\r\nLabel(Big)\r\n";
  for (const char* cpu : {"x64", "x86"}) {
    ScopedEnv target("SPARLIN_STANDIN_TARGET", cpu);
    TempDir temp;
    WriteBytes(temp.path() / "Forms.pb", source);
    RunResult compiled = RunCompiler(Quote(temp.path() / "Forms.pb") + " /COMMENTED", temp.path());
    ASSERT_EQ(compiled.exit_code, 0u) << cpu << "\n" << compiled.output;
    std::string assembly = ReadBytes(temp.path() / "PureBasic.asm");
    std::string reserve = std::string(cpu) == "x64" ? " rq 1\n" : " rd 1\n";
    EXPECT_EQ(LinesStartingWith(assembly, "v_"), "v_Big" + reserve + "v_Items" + reserve + "v_Names" + reserve +
                                                     "v_Cells" + reserve + "v_Pointer" + reserve + "v_Value" + reserve);
    RunResult built = Reassemble(temp.path(), "Forms.exe");
    EXPECT_EQ(built.exit_code, 0u) << cpu << "\n" << built.output;
  }
}

// The list sorting refers to the SimpleList library's internal entry point:
// with that library taken out of the header the link fails.
TEST(StandinReassemble, SimpleListReferenceNeedsTheLibrary) {
  SKIP_WITHOUT_STANDIN();
  ScopedEnv target("SPARLIN_STANDIN_TARGET", "x86");
  TempDir temp;
  ASSERT_EQ(CompileExample("sorted_list", "SortedList", temp.path(), " /CONSOLE").exit_code, 0u);
  std::string assembly = ReadBytes(temp.path() / "PureBasic.asm");
  WriteBytes(temp.path() / "PureBasic.asm", assembly.replace(assembly.find("; SimpleList\n"), 13, ""));
  RunResult run = Reassemble(temp.path(), "SortedList.exe");
  EXPECT_EQ(run.exit_code, 1u);
  EXPECT_EQ(Lines(run.output).back(), "POLINK: error: Unresolved external symbol '_PB_SimpleList_Sort@4'.");
}

// What Sparlin's assembly pass can do to the file, applied by hand: comment
// lines after the format line dropped, CRLF line ends, "NOP" lines inserted
// after each code line, lone carriage returns as empty lines, and a library
// removed with its functions commented out.
std::string RewriteLikeSparlin(const std::string& assembly, const std::string& library,
                               const std::vector<std::string>& functions) {
  std::string out;
  bool format_seen = false, code = false;
  for (const std::string& line : Lines(assembly)) {
    if (line.rfind("format", 0) == 0) format_seen = true;
    if (format_seen && !line.empty() && line[0] == ';') continue;
    if (!format_seen && line == "; " + library) continue;
    std::string kept = line;
    for (const std::string& f : functions)
      if (line == "extrn " + f || line == "  CALL   " + f) kept = "; " + line;
    if (line.rfind("section '.data'", 0) == 0) code = false;
    out += kept + "\r\n";
    if (code) out += "\r\r  NOP\r\n";
    if (line.rfind("PureBasicStart", 0) == 0) code = true;
  }
  return out;
}

size_t FunctionCount(const std::string& library) {
  std::ifstream in(fs::path(SPARLIN_SOURCE_DIR) / "tools" / "standin-compiler" / "data" / "library-functions.tsv");
  size_t count = 0;
  for (std::string line; std::getline(in, line);)
    if (line.rfind(library + "\t", 0) == 0) ++count;
  return count;
}

TEST(StandinReassemble, RewrittenAssemblyStillAssemblesAndDroppedLibrariesShrinkTheOutput) {
  SKIP_WITHOUT_STANDIN();
  ScopedEnv target("SPARLIN_STANDIN_TARGET", "x64");
  TempDir temp;
  ASSERT_EQ(CompileExample("console", "Console", temp.path(), " /CONSOLE").exit_code, 0u);
  std::string assembly = ReadBytes(temp.path() / "PureBasic.asm");

  WriteBytes(temp.path() / "PureBasic.asm", RewriteLikeSparlin(assembly, "", {}));
  RunResult full = Reassemble(temp.path(), "full.exe");
  ASSERT_EQ(full.exit_code, 0u) << full.output;

  WriteBytes(temp.path() / "PureBasic.asm",
             RewriteLikeSparlin(assembly, "Memory", {"PB_InitMemory", "PB_FreeMemorys"}));
  RunResult pruned = Reassemble(temp.path(), "pruned.exe");
  ASSERT_EQ(pruned.exit_code, 0u) << pruned.output;

  // A block of 4096 bytes plus 64 per function of the library.
  uintmax_t full_size = fs::file_size(temp.path() / "full.exe");
  uintmax_t pruned_size = fs::file_size(temp.path() / "pruned.exe");
  uintmax_t library_share = 4096 + 64 * FunctionCount("Memory");
  // The object code shrinks too (two calls and two symbols fewer), by far
  // less than a library block.
  EXPECT_GE(full_size - pruned_size, library_share);
  EXPECT_LT(full_size - pruned_size, library_share + 256);

  // A declaration commented out while a call remains does not assemble.
  std::string broken = RewriteLikeSparlin(assembly, "", {});
  broken.replace(broken.find("extrn PB_Delay\r\n"), 16, "; extrn PB_Delay\r\n");
  WriteBytes(temp.path() / "PureBasic.asm", broken);
  RunResult failed = Reassemble(temp.path(), "broken.exe");
  EXPECT_EQ(failed.exit_code, 1u);
  EXPECT_EQ(Lines(failed.output).end()[-2], "error: undefined symbol 'PB_Delay'.");
}

}  // namespace
}  // namespace sparlin::testing::standin
