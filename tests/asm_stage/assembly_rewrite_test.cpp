#include "asm_stage/assembly_rewrite.h"

#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <unistd.h>
#endif

#include <filesystem>

#include "asm_stage/asm_test_util.h"
#include "asm_stage/export_definitions.h"
#include "text/text_builder.h"
#include "support/fake_host.h"
#include "support/replacement_block.h"
#include "support/temp_dir.h"
#include "text/paths.h"

namespace sparlin {
namespace {

using namespace std::string_literals;
using testing::Crlf;

// A build whose source lies in src/, with the compiler installation in PB/.
struct AsmBuild {
  testing::TempDir dir;
  testing::FakeBuild build;

  AsmBuild() {
    GlobalValues& g = build.state.globals;
    g.SourcePath = dir.File("src/prog.pb");
    g.AsmPath = dir.File("src/PureBasic.asm");
    g.CompilersFolder = dir.Folder() + u"PB/Compilers/";
    g.CompilerPath = g.CompilersFolder + u"pbcompiler.exe";
  }
  // The folder text exactly as the pass takes it from the source path.
  std::string SourceFolder() const { return EncodeUtf8(PathFolder(build.state.globals.SourcePath)); }
  void WriteLibrary(const std::string& name, const std::string& names) {
    dir.Write("PB/PureLibraries/" + name, "\x7f" "ELF\0ERUP\0"s + names + "\0ERUP\0"s);
  }
  std::string Log() const { return build.LogUtf8(); }
};

TEST(AssemblyRewriteTest, RewritesPrunesAndLogs) {
  AsmBuild b;
  b.WriteLibrary("Console", "OpenConsole\0PrintN\0CloseConsole"s);
  b.WriteLibrary("Date", "Date\0Year"s);
  b.dir.Write("src/PureBasic.asm",
              "\xEF\xBB\xBF; \n"
              "; PureBasic 5.70 LTS beta 3 (Windows - x64) generated code\n"
              "; Date\n"
              "; Console\n"
              "; :System\n"
              "format MS64 COFF\n"
              "; \n"
              "extrn PB_OpenConsole\n"
              "extrn PB_PrintN\n"
              "extrn PB_CloseConsole\n"
              "extrn ExitProcess\n"
              "PureBasicStart:\n"
              "  CALL   PB_OpenConsole\n"
              "; PrintN(\"" + b.SourceFolder() + "data.txt\")\n"
              "  CALL   PB_PrintN\n"
              "\n"
              "section '.data' data readable writeable");

  RewriteAssemblyFile(b.build.ctx);

  EXPECT_EQ(b.dir.Read("src/PureBasic.asm"), Crlf(";\n"
                                                  "; PureBasic 5.70 LTS beta 3 (Windows - x64) generated code\n"
                                                  "; Console\n"
                                                  "; :System\n"
                                                  "format MS64 COFF\n"
                                                  "extrn PB_OpenConsole\n"
                                                  "extrn PB_PrintN\n"
                                                  "; extrn PB_CloseConsole\n"
                                                  "extrn ExitProcess\n"
                                                  "PureBasicStart:\n"
                                                  "  CALL   PB_OpenConsole\n"
                                                  "  CALL   PB_PrintN\n"
                                                  "section '.data' data readable writeable\n"
                                                  "\n"));
  EXPECT_EQ(b.Log(),
            "\t\u00B7  Empty Lines Removed: 1\r\n\r\n"
            "\t\u00B7  Comments Removed: 2\r\n\r\n"
            "\t\u00B7  Absolute Paths Removed: 0\r\n"
            "\r\n\t\u00B7  Called WinAPI Functions: 1\r\n\r\n\t\tExitProcess\r\n"
            "\r\n\t\u00B7  Imported PB Libraries: 2\r\n\r\n\t\tConsole\r\n\t\tDate\r\n"
            "\r\n\t\u00B7  Called PB Functions\r\n"
            "\r\n\t\tConsole: 3\r\n"
            "\r\n\t\t\tPB_OpenConsole: 1"
            "\r\n\t\t\tPB_PrintN: 1"
            "\r\n\t\t\tPB_CloseConsole: 0\r\n"
            "\r\n\t\tDate: 0\r\n"
            "\r\n\t\u00B7  Uncalled PB Functions Removed\r\n"
            "\r\n\t\tPB_CloseConsole\r\n"
            "\r\n\t\u00B7  Uncalled PB Libraries Removed\r\n"
            "\r\n\t\tDate\r\n\r\n");
  EXPECT_EQ(b.build.host.progress, (std::vector<int>{37, 41, 45, 50, 54, 58, 62, 66}));
  EXPECT_EQ(b.build.state.assembly.ImportedLibraries, (std::vector<UString>{u"Console"}));
  EXPECT_TRUE(b.build.host.messages.empty());
}

TEST(AssemblyRewriteTest, WithoutPruningTheFileEndsInAnEmptyLine) {
  AsmBuild b;
  b.build.host.options.Set(Option::RemUncalled, 0);
  b.build.host.options.Set(Option::RemComments, 0);
  b.build.host.options.Set(Option::InsNOP, 1);
  b.build.host.options.Set(Option::nNOP, 2);
  b.dir.Write("src/PureBasic.asm", "; Console\r\nformat MS COFF\r\n; \"" + b.SourceFolder() +
                                       "a.pb\"\r\n_DLLEntryPoint@12:\r\n  RET\r\n");
  RewriteAssemblyFile(b.build.ctx);
  EXPECT_EQ(b.dir.Read("src/PureBasic.asm"),
            "; Console\r\nformat MS COFF\r\n; \"a.pb\"\r\n_DLLEntryPoint@12:\r\n  RET\r\n  NOP\r\n  NOP\r\n\r\n");
  EXPECT_EQ(b.Log(),
            "\t\u00B7  Empty Lines Removed: 0\r\n\r\n\t\u00B7  Comments Removed: 0\r\n\r\n"
            "\t\u00B7  Absolute Paths Removed: 1\r\n"
            "\r\n\t\u00B7  Called WinAPI Functions: 0\r\n\r\n");
  EXPECT_EQ(b.build.host.progress, (std::vector<int>{37, 41}));
  EXPECT_TRUE(b.build.state.assembly.ImportedLibraries.empty());
  EXPECT_TRUE(b.build.state.assembly.EntryLabelSeen);
}

TEST(AssemblyRewriteTest, UnreadableAssemblyFile) {
  AsmBuild b;
  std::filesystem::create_directories(b.dir.path() / "src" / "PureBasic.asm");
  RewriteAssemblyFile(b.build.ctx);
  EXPECT_EQ(b.build.host.messages,
            (std::vector<testing::RecordedMessage>{
                {u"Error Comments", u"Reading " + b.build.state.globals.AsmPath + u" was not successful...",
                 MessageIcon::kError}}));
  EXPECT_EQ(b.Log(), "");
  EXPECT_TRUE(b.build.host.progress.empty());
}

#if !defined(_WIN32)
TEST(AssemblyRewriteTest, UnwritableAssemblyFileKeepsItsContent) {
  AsmBuild b;
  b.build.host.options.Set(Option::RemUncalled, 0);
  const std::string original = "format MS64 COFF\n\n  RET\n";
  b.dir.Write("src/PureBasic.asm", original);
  testing::ReplacementBlock blocked(b.dir, "src/PureBasic.asm");
  RewriteAssemblyFile(b.build.ctx);
  EXPECT_EQ(b.dir.Read("src/PureBasic.asm"), original);
  EXPECT_EQ(b.build.host.messages,
            (std::vector<testing::RecordedMessage>{
                {u"Error Comments", u"Writing " + b.build.state.globals.AsmPath + u" was not successful...",
                 MessageIcon::kError}}));
  // The summary was logged before the write.
  EXPECT_EQ(b.Log(),
            "\t\u00B7  Empty Lines Removed: 1\r\n\r\n\t\u00B7  Comments Removed: 0\r\n\r\n"
            "\t\u00B7  Absolute Paths Removed: 0\r\n"
            "\r\n\t\u00B7  Called WinAPI Functions: 0\r\n\r\n");
}
#endif

TEST(AssemblyRewriteTest, OutputTooLargeForMemoryLeavesTheFileAlone) {
  AsmBuild b;
  std::string original = "format MS64 COFF\n" + std::string(12000, 'x') + "\n";
  b.dir.Write("src/PureBasic.asm", original);
  b.build.ctx.text_limits.max_block_bytes = 20484;
  RewriteAssemblyFile(b.build.ctx);
  EXPECT_EQ(b.dir.Read("src/PureBasic.asm"), original);
  EXPECT_EQ(b.build.host.messages.size(), 1u);
  EXPECT_EQ(b.build.host.messages[0].text, u"Writing " + b.build.state.globals.AsmPath + u" was not successful...");
  EXPECT_EQ(b.Log(), "");
}

TEST(ExportDefinitionsTest, SymbolsGetTheirUnderscore) {
  EXPECT_EQ(FixExportDefinitionText(u"EXPORTS\r\n  \"MyFunc\"=\"MyFunc@4\"\n  \"A\"=\"B\"=\"C\"\r\nPlain=Line\r\n\r\n"),
            u"EXPORTS\r\n  \"MyFunc\"=\"_MyFunc@4\"\r\n  \"A\"=\"_B\"=\"C\"\r\nPlain=Line\r\n");
  EXPECT_EQ(FixExportDefinitionText(u"EXPORTS\r\n\"F\"=\"F@0\""), u"EXPORTS\r\n\"F\"=\"_F@0\"");
  EXPECT_EQ(FixExportDefinitionText(u""), u"");
}

TEST(ExportDefinitionsTest, OnlyA32BitDllBuildTouchesTheDefinitionFile) {
  const std::string def = "\xEF\xBB\xBF" "EXPORTS\r\n\"Add\"=\"Add@8\"\r\n";
  const std::string x86 = "format MS COFF\r\n";
  const std::string x64 = "format MS64 COFF\r\n";
  struct Case {
    std::string assembly;
    UString format;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {x86, u" /DLL", "EXPORTS\r\n\"Add\"=\"_Add@8\""},
      {x64, u" /DLL", def},
      {x86, u" /DLL ", def},
      {x86, u"", def},
      {x86, u" /CONSOLE", def},
  };
  for (const Case& c : cases) {
    AsmBuild b;
    b.build.state.source.Format = c.format;
    b.dir.Write("src/PureBasic.asm", c.assembly);
    b.dir.Write("src/PureBasic.def", def);
    RewriteAssemblyFile(b.build.ctx);
    EXPECT_EQ(b.dir.Read("src/PureBasic.def"), c.expected) << EncodeUtf8(c.format) << " " << c.assembly;
  }
  // No definition file: nothing is created, nothing is reported.
  AsmBuild missing;
  missing.build.state.source.Format = u" /DLL";
  missing.dir.Write("src/PureBasic.asm", x86);
  RewriteAssemblyFile(missing.build.ctx);
  EXPECT_FALSE(missing.dir.Exists("src/PureBasic.def"));
  EXPECT_TRUE(missing.build.host.messages.empty());
}

}  // namespace
}  // namespace sparlin
