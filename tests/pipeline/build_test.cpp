// The build's stage order, gates, compiler runs and end steps, with a small
// shell script in place of the compiler.
#include <gtest/gtest.h>

#include <regex>

#include "app/session.h"
#include "pipeline/build.h"
#include "pipeline/compiler_process.h"
#include "pipeline/stages.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace sparlin {
namespace {

using testing::FakeHost;
using testing::TempDir;

// Records its arguments and working folder, then acts by its stage switch.
// The files fail-PREPROCESS, fail-COMMENTED, fail-REASM beside it make that
// run print two lines and fail.
constexpr char kFakeCompiler[] = R"sh(#!/bin/sh
here=$(dirname "$0")
{ printf '[%s]' "$@"; printf ' in %s\n' "$(pwd)"; } >> "$here/calls.txt"
stage=${2#/}
if [ -f "$here/fail-$stage" ]; then echo "Error: line 3"; printf 'second\r\n'; exit 1; fi
case "$stage" in
  PREPROCESS) printf 'a = 1\r\n' > "$3" ;;
  COMMENTED) printf 'format MS64 COFF\r\n' > PureBasic.asm; printf 'x' > PureBasic.def ;;
  REASM) while [ $# -gt 0 ]; do [ "$1" = /EXE ] && printf 'MZ' > "$2"; shift; done ;;
esac
echo "done $stage"
)sh";

class BuildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Write("PB/Compilers/pbcompiler.exe", kFakeCompiler);
    std::filesystem::permissions(dir_.path() / "PB/Compilers/pbcompiler.exe", std::filesystem::perms::owner_all);
    dir_.Write("src/demo.pb", "OpenConsole()\r\n");
    dir_.Write("out/.keep", "");
    for (Option o : {Option::RemMacro, Option::RemProcs, Option::RemUncalled, Option::CopyDLL}) host_.options.Set(o, 0);
  }

  Session& NewSession(UString source) {
    LaunchParameters launch{source, u"", dir_.File("PB/Compilers/pbcompiler.exe"), dir_.File("out/demo.exe")};
    session_ = std::make_unique<Session>(launch, host_);
    session_->WriteBanner();
    return *session_;
  }
  Session& NewSession() { return NewSession(dir_.File("src/demo.pb")); }

  // The log after the banner, with the elapsed time made fixed.
  std::string LogAfterBanner() {
    std::string log = EncodeUtf8(session_->log().Text());
    log = std::regex_replace(log, std::regex("Time: [0-9]+\\.[0-9]s"), "Time: Ts");
    size_t start = log.find("Output file:");
    return log.substr(log.find('\n', start) + 1);
  }

  std::string Calls() { return dir_.Read("PB/Compilers/calls.txt"); }
  void FailRun(const std::string& stage) { dir_.Write("PB/Compilers/fail-" + stage, ""); }

  TempDir dir_;
  FakeHost host_;
  std::unique_ptr<Session> session_;
};

TEST_F(BuildTest, AllStagesSwitchedOffStillFinish) {
  for (Option o : {Option::CreatePB, Option::CreateASM, Option::CreateOUT}) host_.options.Set(o, 0);
  Session& s = NewSession();
  EXPECT_TRUE(RunBuild(s.context()));
  EXPECT_EQ(LogAfterBanner(), "\r\n\r\n ---  PREPROCESS  " + std::string(104, '-') + "\r\n\r\n\tSkipped!\r\n\r\n ---  ASM  " +
                                  std::string(121, '-') + "\r\n\r\n\tSkipped!\r\n ---  REASM  " + std::string(116, '-') +
                                  "\r\n\r\n\tSkipped!\r\n\tAll Finished!\r\n\r\n\r\n\tTime: Ts\r\n\r\n");
  EXPECT_EQ(host_.enabled, (std::vector<int>{3, 4, 2, 5, 9}));
  EXPECT_EQ(host_.progress, (std::vector<int>{8, 0, 33, 66, 100}));
  EXPECT_EQ(host_.sounds, std::vector<Sound>{Sound::kInformation});
  EXPECT_FALSE(dir_.Exists("PB/Compilers/calls.txt"));
}

TEST_F(BuildTest, ParameterTextsAndWorkingFolder) {
  GlobalValues g;
  g.SourcePath = u"C:\\a b\\x.pb";
  g.OptimizedSourcePath = u"C:\\a b\\x_Sparl.pb";
  g.AsmPath = u"C:\\a b\\PureBasic.asm";
  CompilerSwitches s{u" /EXE \"C:\\o\\x.exe\"", u" /XP", u" /USER", u" /ICON \"i.ico\"", u" /DPIAWARE",
                     u" /LINENUMBERING", u" /THREAD", u" /RESOURCE \"C:\\a b\\Sparlin.rc\""};
  EXPECT_EQ(PreprocessParameters(g), u"\"C:\\a b\\x.pb\" /PREPROCESS \"C:\\a b\\x_Sparl.pb\"");
  const UString switches =
      u" /EXE \"C:\\o\\x.exe\" /XP /USER /ICON \"i.ico\" /DPIAWARE /LINENUMBERING /THREAD /RESOURCE \"C:\\a b\\Sparlin.rc\"";
  EXPECT_EQ(AssemblyParameters(g, s), u"\"C:\\a b\\x_Sparl.pb\" /COMMENTED" + switches);
  EXPECT_EQ(ReassembleParameters(g, s), u"\"C:\\a b\\PureBasic.asm\" /REASM" + switches);

  host_.options.Set(Option::CreateASM, 0);
  Session& s2 = NewSession();
  EXPECT_TRUE(RunBuild(s2.context()));
  std::string src = std::filesystem::canonical(dir_.path() / "src").string();
  std::string folder = dir_.path().string() + "/src/";
  EXPECT_EQ(Calls(), "[" + folder + "demo.pb][/PREPROCESS][" + folder + "demo_Sparl.pb] in " + src + "\n" + "[" +
                         folder + "PureBasic.asm][/REASM][/EXE][" + dir_.path().string() + "/out/demo.exe] in " + src +
                         "\n");
  EXPECT_EQ(dir_.Read("out/demo.exe"), "MZ");
}

TEST_F(BuildTest, CompilerOutputIsCollectedInOneIndentedEntry) {
  FailRun("REASM");
  host_.options.Set(Option::CreatePB, 0);
  host_.options.Set(Option::CreateASM, 0);
  Session& s = NewSession();
  EXPECT_FALSE(RunBuild(s.context()));
  std::string log = LogAfterBanner();
  EXPECT_EQ(log.substr(log.find(" ---  REASM")), " ---  REASM  " + std::string(116, '-') +
                                                    "\r\n\r\n\tError: line 3\r\n\tsecond\r\n\r\n\r\n\tOptimizing...\r\n\r\n"
                                                    "\r\n\tTime: Ts\r\n\r\n");
  // A failed last stage: no Run Output, but the companion file goes and the rest is enabled.
  EXPECT_EQ(host_.enabled, (std::vector<int>{4, 2, 5, 9}));
  EXPECT_EQ(host_.sounds, std::vector<Sound>{Sound::kError});
  EXPECT_EQ(host_.progress, (std::vector<int>{8, 0, 33, 66}));
}

TEST_F(BuildTest, AFailedPreprocessRunStopsEverything) {
  FailRun("PREPROCESS");
  Session& s = NewSession();
  EXPECT_FALSE(RunBuild(s.context()));
  std::string log = LogAfterBanner();
  EXPECT_EQ(log, "\r\n\r\n ---  PREPROCESS  " + std::string(104, '-') +
                     "\r\n\r\n\tError: line 3\r\n\tsecond\r\n\r\n\r\n\tOptimizing...\r\n\r\n\r\n\tTime: Ts\r\n\r\n");
  EXPECT_TRUE(host_.enabled.empty());
  EXPECT_EQ(host_.sounds, std::vector<Sound>{Sound::kError});
}

TEST_F(BuildTest, AnUnreadableSourceStopsBeforeTheFirstHeader) {
  Session& s = NewSession(dir_.File("src/missing.pb"));
  EXPECT_FALSE(RunBuild(s.context()));
  EXPECT_EQ(LogAfterBanner(), "\r\n\tTime: Ts\r\n\r\n");
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0], (testing::RecordedMessage{u"Error BOM", u"Reading " + dir_.File("src/missing.pb") +
                                                                            u" was not successful...",
                                                          MessageIcon::kError}));
  EXPECT_TRUE(host_.enabled.empty());
}

TEST_F(BuildTest, AMissingCompilerStopsTheStageWithOnlyItsHeader) {
  std::filesystem::remove(dir_.path() / "PB/Compilers/pbcompiler.exe");
  host_.options.Set(Option::CreatePB, 0);
  Session& s = NewSession();
  EXPECT_FALSE(RunBuild(s.context()));
  std::string log = LogAfterBanner();
  EXPECT_EQ(log.substr(log.find(" ---  ASM")), " ---  ASM  " + std::string(121, '-') + "\r\n\r\n\tTime: Ts\r\n\r\n");
  EXPECT_TRUE(host_.sounds.empty());
  EXPECT_EQ(host_.enabled, (std::vector<int>{2, 5, 9}));
}

TEST_F(BuildTest, TheCompanionDefinitionFileGoesAtTheEnd) {
  host_.options.Set(Option::CreatePB, 0);
  host_.options.Set(Option::CreateOUT, 0);
  Session& s = NewSession();
  EXPECT_TRUE(RunBuild(s.context()));
  EXPECT_TRUE(dir_.Exists("src/PureBasic.asm"));
  EXPECT_FALSE(dir_.Exists("src/PureBasic.def"));
}

TEST_F(BuildTest, ExitStepsDeleteCreatedFilesOnlyWhenAsked) {
  Session& s = NewSession();
  dir_.Write("src/demo_Sparl.pb", "x");
  dir_.Write("src/PureBasic.asm", "x");
  dir_.Write("src/Sparlin.rc", "x");
  s.globals().ResourceScriptPath = dir_.File("src/Sparlin.rc");
  s.RunExitSteps(false);
  EXPECT_TRUE(dir_.Exists("src/demo_Sparl.pb"));
  EXPECT_FALSE(dir_.Exists("src/Sparlin.rc"));
  s.RunExitSteps(true);
  EXPECT_FALSE(dir_.Exists("src/demo_Sparl.pb"));
  EXPECT_FALSE(dir_.Exists("src/PureBasic.asm"));
  EXPECT_TRUE(dir_.Exists("src/demo.pb"));
  s.RunExitSteps(true);  // absent files: silent
}

TEST_F(BuildTest, SuffixFromTheSettingsWindow) {
  Session& s = NewSession();
  s.ApplySuffix(u"  ");
  EXPECT_EQ(s.globals().OptimizedSourcePath, dir_.File("src/demo_Sparl.pb"));
  s.ApplySuffix(u" _small ");
  EXPECT_EQ(s.globals().CurrentSuffix, u"_small");
  EXPECT_EQ(s.globals().OptimizedSourcePath, dir_.File("src/demo_small.pb"));
  EXPECT_EQ(s.globals().AsmPath, dir_.File("src/PureBasic.asm"));
}

}  // namespace
}  // namespace sparlin

namespace sparlin {
namespace {

TEST_F(BuildTest, TheConstantsCopyIsCompiledAndThenDeleted) {
  host_.options.Set(Option::CreateASM, 0);
  dir_.Write("src/demo.pb", "Debug #PB_Editor_CompileCount\r\n; IDE Options = PureBasic 6.10\r\n; EnableCompileCount = 5\r\n");
  Session& s = NewSession();
  EXPECT_TRUE(RunBuild(s.context()));
  std::string folder = dir_.path().string() + "/src/";
  EXPECT_EQ(Calls().substr(0, Calls().find(" in ")),
            "[" + folder + "const_demo.pb][/PREPROCESS][" + folder + "demo_Sparl.pb]");
  EXPECT_FALSE(dir_.Exists("src/const_demo.pb"));
  EXPECT_TRUE(dir_.Exists("src/demo.pb"));
}

TEST_F(BuildTest, ASourceNamedLikeAConstantsCopySurvives) {
  host_.options.Set(Option::CreateASM, 0);
  const std::string text = "Debug #PB_Editor_CompileCount\r\n; EnableCompileCount = 5\r\n";
  dir_.Write("src/const_demo.pb", text);
  Session& s = NewSession(dir_.File("src/const_demo.pb"));
  EXPECT_TRUE(RunBuild(s.context()));
  EXPECT_EQ(dir_.Read("src/const_demo.pb"), text);
  EXPECT_FALSE(dir_.Exists("src/const_const_demo.pb"));
}

}  // namespace
}  // namespace sparlin
