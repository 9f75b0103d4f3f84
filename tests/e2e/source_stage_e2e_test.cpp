// The source stage through sparlin-cli: IDE options, resource script,
// encoding, macro and procedure removal on a UTF-16 LE and a UTF-8 source.
// The compiler is a shell script whose "/PREPROCESS" writes a flattened text
// prepared by the test (UTF-8, as the compiler writes it), so that every byte
// of the preprocessed file afterwards is Sparlin's doing.
#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "text/ustring.h"

namespace sparlin {
namespace {

using testing::CliResult;
using testing::FixTime;
using testing::RunCli;
using testing::TempDir;

const std::string kSource =
    "; Ledger - tiny household ledger\r\n"
    "Macro Money(cents)\r\n"
    "  StrF(cents / 100.0, 2)\r\n"
    "EndMacro\r\n"
    "\r\n"
    "Procedure.s Line(text.s, cents)\r\n"
    "  ProcedureReturn LSet(text, 20) + Money(cents)\r\n"
    "EndProcedure\r\n"
    "\r\n"
    "Procedure Unused()\r\n"
    "  Debug \"never\"\r\n"
    "EndProcedure\r\n"
    "\r\n"
    "OpenConsole()\r\n"
    "PrintN(Line(\"Caf\xC3\xA9\", 450))\r\n"
    "PrintN(\"Total: \" + Money(450) + \" \xE2\x82\xAC\")\r\n";

const std::string kFooter =
    "; IDE Options = PureBasic 6.10 LTS (Windows - x64)\r\n"
    "; ExecutableFormat = Console\r\n"
    "; EnableXP\r\n"
    "; Executable = ledger.exe\r\n"
    "; IncludeVersionInfo\r\n"
    "; VersionField0 = 1.2.0.0\r\n"
    "; AddResource = ledger.rc";

// The flattened program as the compiler writes it: macro uses expanded, the
// definition kept, comments and blank lines gone, LF line ends.
const std::string kFlattened =
    "Macro Money(cents)\n"
    "StrF(cents / 100.0, 2)\n"
    "EndMacro\n"
    "Procedure.s Line(text.s, cents)\n"
    "ProcedureReturn LSet(text, 20) + StrF(cents / 100.0, 2)\n"
    "EndProcedure\n"
    "Procedure Unused()\n"
    "Debug \"never\"\n"
    "EndProcedure\n"
    "OpenConsole()\n"
    "PrintN(Line(\"Caf\xC3\xA9\", 450))\n"
    "PrintN(\"Total: \" + StrF(450 / 100.0, 2) + \" \xE2\x82\xAC\")\n";

// After the three rewrites: each writes its own final "\r\n" (the first
// one after the compiler's LF) and each cut trims the end of the text; then
// the stage appends the options again.
const std::string kPreprocessed =
    "Procedure.s Line(text.s, cents)\r\n"
    "ProcedureReturn LSet(text, 20) + StrF(cents / 100.0, 2)\r\n"
    "EndProcedure\r\n"
    "OpenConsole()\r\n"
    "PrintN(Line(\"Caf\xC3\xA9\", 450))\r\n"
    "PrintN(\"Total: \" + StrF(450 / 100.0, 2) + \" \xE2\x82\xAC\")\r\n"
    "\r\n\r\r\n" +
    kFooter + "\r\n";

class SourceStageE2e : public ::testing::Test {
 protected:
  void SetUp() override {
    if (testing::CliBinary().empty()) GTEST_FAIL() << "SPARLIN_CLI is not set: nothing to run the build with";
    dir_.Write("PB/Compilers/pbcompiler.exe", R"sh(#!/bin/sh
case "$2" in
  /PREPROCESS) cp flat.txt "$3" ;;
  /COMMENTED) printf '%s\n' "$@" > commented.txt; cp Sparlin.rc script.rc
              printf 'format MS64 COFF\r\nPureBasicStart:\r\n  RET\r\n' > PureBasic.asm ;;
esac
echo "ok $2"
)sh");
    std::filesystem::permissions(dir_.path() / "PB/Compilers/pbcompiler.exe", std::filesystem::perms::owner_all);
    dir_.Write("work/flat.txt", kFlattened);
    compiler_ = (dir_.path() / "PB/Compilers/pbcompiler.exe").string();
    folder_ = (dir_.path() / "work").string() + "/";
  }

  CliResult Build(const std::string& source_bytes) {
    dir_.Write("work/ledger.pb", source_bytes);
    return RunCli(dir_.path() / "work",
                  {"--set", "RemMacro=1", "--set", "RemProcs=1", "--set", "CreateOUT=0", folder_ + "ledger.pb"},
                  {{"PB_TOOL_Compiler", compiler_}, {"PB_TOOL_Executable", "C:\\out\\ledger.exe"}});
  }

  // The log of the preprocess stage, from its header to the next one.
  static std::string PreprocessLog(const std::string& log) {
    size_t from = log.find(" ---  PREPROCESS");
    size_t to = log.find(" ---  ASM");
    return from == std::string::npos || to == std::string::npos ? log : log.substr(from, to - from);
  }

  std::string ExpectedPreprocessLog(const std::string& format_name) const {
    return " ---  PREPROCESS  " + std::string(104, '-') + "\r\n\r\n\tok /PREPROCESS\r\n\r\n\r\n\tOptimizing...\r\n\r\n" +
           "\r\n\t\xC2\xB7  StringFormat: " + format_name + "\r\n" +
           "\r\n\t\xC2\xB7  Macro Comments Removed: 1\r\n\r\n\t\tMoney()\r\n" +
           "\r\n\t\xC2\xB7  Uncalled Procedures Removed: 1\r\n\r\n\t\tUnused()\r\n\r\n\r\n";
  }

  void ExpectScriptAndSwitches() {
    EXPECT_EQ(dir_.Read("work/commented.txt"),
              folder_ + "ledger_Sparl.pb\n/COMMENTED\n/CONSOLE\n/EXE\nC:\\out\\ledger.exe\n/XP\n/RESOURCE\n" +
                  folder_ + "Sparlin.rc\n");
    // The build deletes the script when it ends; the compiler kept a copy.
    std::string script = dir_.Read("work/script.rc");
    EXPECT_EQ(script.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(script.find("\r\nFILEVERSION 1,2,0,0\r\nPRODUCTVERSION 0,0,0,0\r\n"), std::string::npos);
    const std::string tail = "\r\n}\r\n\r\n#include \"ledger.rc\"\r\n";
    ASSERT_GT(script.size(), tail.size());
    EXPECT_EQ(script.substr(script.size() - tail.size()), tail);
  }

  TempDir dir_;
  std::string compiler_;
  std::string folder_;
};

TEST_F(SourceStageE2e, Utf16LittleEndianSource) {
  UString text = U(kSource + kFooter);
  CliResult r = Build("\xFF\xFE" + EncodeText(text, TextEncoding::kUtf16LE));
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(PreprocessLog(r.out), ExpectedPreprocessLog("Unicode"));
  EXPECT_EQ(dir_.Read("work/ledger_Sparl.pb"), "\xFF\xFE" + EncodeText(U(kPreprocessed), TextEncoding::kUtf16LE));
  ExpectScriptAndSwitches();
}

TEST_F(SourceStageE2e, Utf8Source) {
  CliResult r = Build("\xEF\xBB\xBF" + kSource + kFooter);
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(PreprocessLog(r.out), ExpectedPreprocessLog("UTF8"));
  EXPECT_EQ(dir_.Read("work/ledger_Sparl.pb"), "\xEF\xBB\xBF" + kPreprocessed);
  ExpectScriptAndSwitches();
}

TEST(SourceStageAnsiE2e, BytesThatAreNotUtf8SurviveEveryRewrite) {
  if (testing::CliBinary().empty()) GTEST_FAIL() << "SPARLIN_CLI is not set: nothing to run the build with";
  // An ANSI source (no mark; e acute, euro sign and i diaeresis as single
  // bytes) with a compile count: the compiler must get the constants copy,
  // and the preprocessed file and the options put back after it must keep
  // every one of those bytes.
  const std::string program =
      "; Caf\xE9 prices\r\n"
      "Macro Euro(v)\r\n"
      "  StrF(v, 2) + \" \x80\"\r\n"
      "EndMacro\r\n"
      "Procedure Unused()\r\n"
      "  Debug \"na\xEFve\"\r\n"
      "EndProcedure\r\n"
      "OpenConsole()\r\n"
      "PrintN(\"Build \" + Str(#PB_Editor_CompileCount) + \": \" + Euro(4.5))\r\n";
  const std::string footer =
      "; IDE Options = PureBasic 5.73 LTS (Windows - x86)\r\n"
      "; ExecutableFormat = Console\r\n"
      "; EnableCompileCount = 12\r\n"
      "; Folding = \xE9-";
  TempDir dir;
  // The compiler keeps what it was given and flattens it to the program
  // lines, without the options.
  dir.Write("PB/Compilers/pbcompiler.exe", R"sh(#!/bin/sh
case "$2" in
  /PREPROCESS) cp "$1" given.bin; head -n 9 "$1" > "$3" ;;
esac
)sh");
  std::filesystem::permissions(dir.path() / "PB/Compilers/pbcompiler.exe", std::filesystem::perms::owner_all);
  dir.Write("work/prices.pb", program + footer);
  const std::string folder = (dir.path() / "work").string() + "/";
  CliResult r = RunCli(dir.path() / "work",
                       {"--set", "CreateASM=0", "--set", "CreateOUT=0", "--set", "RemMacro=1", "--set", "RemProcs=1",
                        folder + "prices.pb"},
                       {{"PB_TOOL_Compiler", (dir.path() / "PB/Compilers/pbcompiler.exe").string()}});
  ASSERT_EQ(r.exit_code, 0) << r.out << r.err;

  std::string copy = program + footer;
  copy.replace(copy.find("#PB_Editor_CompileCount"), 23, "12");
  EXPECT_EQ(dir.Read("work/given.bin"), copy);
  EXPECT_FALSE(dir.Exists("work/const_prices.pb"));
  EXPECT_EQ(dir.Read("work/prices.pb"), program + footer);
  EXPECT_EQ(dir.Read("work/prices_Sparl.pb"),
            "; Caf\xE9 prices\r\nOpenConsole()\r\nPrintN(\"Build \" + Str(12) + \": \" + Euro(4.5))\r\n\r\r\n" +
                footer + "\r\n");
  size_t from = r.out.find(" ---  PREPROCESS");
  EXPECT_EQ(r.out.substr(from, r.out.find(" ---  ASM") - from),
            " ---  PREPROCESS  " + std::string(104, '-') + "\r\n\r\n\r\n\r\n\tOptimizing...\r\n\r\n" +
                "\r\n\t\xC2\xB7  StringFormat: Ascii\r\n" +
                "\r\n\t\xC2\xB7  Macro Comments Removed: 1\r\n\r\n\t\tEuro()\r\n" +
                "\r\n\t\xC2\xB7  Uncalled Procedures Removed: 1\r\n\r\n\t\tUnused()\r\n\r\n\r\n");
  EXPECT_EQ(r.err, "");
}

TEST(SourceStageStandinE2e, WholeBuildOfAUtf16Source) {
  if (testing::CliBinary().empty() || testing::StandinInstall().empty()) GTEST_FAIL() << "SPARLIN_CLI or SPARLIN_STANDIN_INSTALL is not set: nothing to run the build with";
  // The stand-in's own flattening of the same program gives the same file.
  TempDir dir;
  const std::string footer =
      "; IDE Options = PureBasic 6.10 LTS (Windows - x64)\r\n; ExecutableFormat = Console\r\n; EnableXP";
  dir.Write("ledger.pb", "\xFF\xFE" + EncodeText(U(kSource + footer), TextEncoding::kUtf16LE));
  std::string folder = dir.path().string() + "/";
  CliResult r = RunCli(dir.path(), {"--set", "RemMacro=1", "--set", "RemProcs=1", folder + "ledger.pb"},
                       {{"PB_TOOL_Compiler", testing::StandinCompiler()}, {"PB_TOOL_Executable", folder + "ledger"}});
  ASSERT_EQ(r.exit_code, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("\tAll Finished!"), std::string::npos);
  const std::string preprocessed = kPreprocessed.substr(0, kPreprocessed.find("; IDE Options")) + footer + "\r\n";
  EXPECT_EQ(dir.Read("ledger_Sparl.pb"), "\xFF\xFE" + EncodeText(U(preprocessed), TextEncoding::kUtf16LE));
  EXPECT_TRUE(dir.Exists("ledger"));
}

}  // namespace
}  // namespace sparlin
