// The build's stage order, gates, compiler runs and end steps, on the
// in-memory file system with a scripted compiler.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "app/session.h"
#include "pipeline/build.h"
#include "pipeline/compiler_process.h"
#include "support/fake_host.h"
#include "support/memory_file_system.h"
#include "support/scripted_compiler.h"

namespace sparlin {
namespace {

using testing::CompilerResult;
using testing::CompilerRun;
using testing::FakeHost;

constexpr char16_t kCompiler[] = u"C:\\PB\\Compilers\\pbcompiler.exe";
constexpr char16_t kSource[] = u"C:\\w\\src\\demo.pb";

class BuildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    files_.Write(kCompiler, "exe");
    files_.Write(kSource, "OpenConsole()\r\n");
    for (Option o : {Option::RemMacro, Option::RemProcs, Option::RemUncalled, Option::CopyDLL}) host_.options.Set(o, 0);
  }

  // Acts as pbcompiler.exe does for each stage switch; a stage named in
  // `failing_` prints two lines and fails.
  std::optional<CompilerResult> Compile(const CompilerRun& run) {
    if (!files_.Has(run.program)) return std::nullopt;
    const std::vector<UString>& a = run.arguments;
    UString stage = a.at(1).substr(1);
    if (failing_.count(stage)) return CompilerResult{{"Error: line 3", "second"}, 1};
    if (stage == u"PREPROCESS") files_.Write(a.at(2), "a = 1\r\n");
    if (stage == u"COMMENTED") {
      files_.Write(run.working_folder + u"PureBasic.asm", "format MS64 COFF\r\n");
      files_.Write(run.working_folder + u"PureBasic.def", "x");
    }
    for (size_t i = 0; stage == u"REASM" && i + 1 < a.size(); ++i) {
      if (a[i] == u"/EXE") files_.Write(a[i + 1], "MZ");
    }
    return CompilerResult{{"done " + EncodeUtf8(stage)}, 0};
  }

  Session& NewSession(UString source = kSource, UString output = u"C:\\w\\out\\demo.exe") {
    LaunchParameters launch{source, u"", kCompiler, output};
    session_ = std::make_unique<Session>(launch, host_, files_, compiler_);
    session_->WriteBanner();
    return *session_;
  }

  // The log after the banner, with the elapsed time made fixed.
  std::string LogAfterBanner() {
    std::string log = EncodeUtf8(session_->log().Text());
    log = std::regex_replace(log, std::regex("Time: [0-9]+\\.[0-9]s"), "Time: Ts");
    size_t start = log.find("Output file:");
    return log.substr(log.find('\n', start) + 1);
  }

  // Each run as "[arg][arg]... in folder".
  std::string Calls() {
    std::string calls;
    for (const CompilerRun& run : compiler_.runs) {
      for (const UString& argument : run.arguments) calls += "[" + EncodeUtf8(argument) + "]";
      calls += " in " + EncodeUtf8(run.working_folder) + "\n";
    }
    return calls;
  }

  testing::MemoryFileSystem files_;
  testing::ScriptedCompiler compiler_{[this](const CompilerRun& run) { return Compile(run); }};
  std::set<UString> failing_;
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
  EXPECT_TRUE(compiler_.runs.empty());
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
  EXPECT_EQ(Calls(), "[C:\\w\\src\\demo.pb][/PREPROCESS][C:\\w\\src\\demo_Sparl.pb] in C:\\w\\src\\\n"
                     "[C:\\w\\src\\PureBasic.asm][/REASM][/EXE][C:\\w\\out\\demo.exe] in C:\\w\\src\\\n");
  EXPECT_EQ(compiler_.runs[0].program, kCompiler);
  EXPECT_EQ(files_.Read(u"C:\\w\\out\\demo.exe"), "MZ");
}

TEST_F(BuildTest, CompilerOutputIsCollectedInOneIndentedEntry) {
  failing_.insert(u"REASM");
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
  failing_.insert(u"PREPROCESS");
  Session& s = NewSession();
  EXPECT_FALSE(RunBuild(s.context()));
  EXPECT_EQ(LogAfterBanner(), "\r\n\r\n ---  PREPROCESS  " + std::string(104, '-') +
                                  "\r\n\r\n\tError: line 3\r\n\tsecond\r\n\r\n\r\n\tOptimizing...\r\n\r\n\r\n\tTime: Ts\r\n\r\n");
  EXPECT_TRUE(host_.enabled.empty());
  EXPECT_EQ(host_.sounds, std::vector<Sound>{Sound::kError});
}

TEST_F(BuildTest, AnUnreadableSourceStopsBeforeTheFirstHeader) {
  Session& s = NewSession(u"C:\\w\\src\\missing.pb");
  EXPECT_FALSE(RunBuild(s.context()));
  EXPECT_EQ(LogAfterBanner(), "\r\n\tTime: Ts\r\n\r\n");
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0], (testing::RecordedMessage{u"Error BOM",
                                                          u"Reading C:\\w\\src\\missing.pb was not successful...",
                                                          MessageIcon::kError}));
  EXPECT_TRUE(host_.enabled.empty());
}

TEST_F(BuildTest, AMissingCompilerStopsTheStageWithOnlyItsHeader) {
  files_.DeleteFile(kCompiler);
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
  EXPECT_TRUE(files_.Has(u"C:\\w\\src\\PureBasic.asm"));
  EXPECT_FALSE(files_.Has(u"C:\\w\\src\\PureBasic.def"));
}

TEST_F(BuildTest, ExitStepsDeleteCreatedFilesOnlyWhenAsked) {
  Session& s = NewSession();
  for (const char16_t* name : {u"C:\\w\\src\\demo_Sparl.pb", u"C:\\w\\src\\PureBasic.asm", u"C:\\w\\src\\Sparlin.rc"}) {
    files_.Write(name, "x");
  }
  s.globals().ResourceScriptPath = u"C:\\w\\src\\Sparlin.rc";
  s.RunExitSteps(false);
  EXPECT_TRUE(files_.Has(u"C:\\w\\src\\demo_Sparl.pb"));
  EXPECT_FALSE(files_.Has(u"C:\\w\\src\\Sparlin.rc"));
  s.RunExitSteps(true);
  EXPECT_FALSE(files_.Has(u"C:\\w\\src\\demo_Sparl.pb"));
  EXPECT_FALSE(files_.Has(u"C:\\w\\src\\PureBasic.asm"));
  EXPECT_TRUE(files_.Has(kSource));
  s.RunExitSteps(true);  // absent files: silent
}

TEST_F(BuildTest, WhileAnotherBuildHoldsTheSourceNothingIsBuiltOrDeleted) {
  files_.Write(u"C:\\w\\src\\demo_Sparl.pb", "the other build's");
  files_.Write(u"C:\\w\\src\\PureBasic.asm", "the other build's");
  auto other_build = files_.LockSourceForBuild(u"c:/W/src/DEMO.pb");
  Session& s = NewSession();
  auto before = files_.files();
  EXPECT_FALSE(RunBuild(s.context()));
  s.RunExitSteps(true);
  EXPECT_EQ(host_.messages, (std::vector<testing::RecordedMessage>{
                                {u"Error Busy", u"Another Sparlin is building in C:\\w\\src\\ right now.",
                                 MessageIcon::kError}}));
  EXPECT_EQ(LogAfterBanner(), "");
  EXPECT_TRUE(compiler_.runs.empty());
  EXPECT_TRUE(host_.progress.empty());
  EXPECT_TRUE(host_.enabled.empty());
  EXPECT_TRUE(host_.sounds.empty());
  EXPECT_EQ(files_.files(), before);
  other_build.reset();
  EXPECT_TRUE(files_.LockSourceForBuild(kSource));  // the failed build holds nothing
}

TEST_F(BuildTest, SuffixFromTheSettingsWindow) {
  Session& s = NewSession();
  s.ApplySuffix(u"  ");
  EXPECT_EQ(s.globals().OptimizedSourcePath, u"C:\\w\\src\\demo_Sparl.pb");
  s.ApplySuffix(u" _small ");
  EXPECT_EQ(s.globals().CurrentSuffix, u"_small");
  EXPECT_EQ(s.globals().OptimizedSourcePath, u"C:\\w\\src\\demo_small.pb");
  EXPECT_EQ(s.globals().AsmPath, u"C:\\w\\src\\PureBasic.asm");
}

TEST_F(BuildTest, TheConstantsCopyIsCompiledAndThenDeleted) {
  host_.options.Set(Option::CreateASM, 0);
  files_.Write(kSource, "Debug #PB_Editor_CompileCount\r\n; IDE Options = PureBasic 6.10\r\n; EnableCompileCount = 5\r\n");
  Session& s = NewSession();
  EXPECT_TRUE(RunBuild(s.context()));
  EXPECT_EQ(Calls().substr(0, Calls().find(" in ")),
            "[C:\\w\\src\\const_demo.pb][/PREPROCESS][C:\\w\\src\\demo_Sparl.pb]");
  EXPECT_FALSE(files_.Has(u"C:\\w\\src\\const_demo.pb"));
  EXPECT_TRUE(files_.Has(kSource));
}

TEST_F(BuildTest, ASourceNamedLikeAConstantsCopySurvives) {
  host_.options.Set(Option::CreateASM, 0);
  const std::string text = "Debug #PB_Editor_CompileCount\r\n; EnableCompileCount = 5\r\n";
  files_.Write(u"C:\\w\\src\\const_demo.pb", text);
  Session& s = NewSession(u"C:\\w\\src\\const_demo.pb");
  EXPECT_TRUE(RunBuild(s.context()));
  EXPECT_EQ(files_.Read(u"C:\\w\\src\\const_demo.pb"), text);
  EXPECT_FALSE(files_.Has(u"C:\\w\\src\\const_const_demo.pb"));
}

TEST_F(BuildTest, ABuildThatCannotStartLetsTheUserTryAgain) {
  Session& s = NewSession();
  EXPECT_FALSE(StartBuildThread(s.context(), [](std::function<void()>) { return false; }));
  EXPECT_EQ(host_.sounds, std::vector<Sound>{Sound::kError});
  EXPECT_EQ(host_.enabled, (std::vector<int>{kControlCompile, kControlSettings}));
  EXPECT_TRUE(compiler_.runs.empty());
}

// A derived path that names the source stops the build before the first
// compiler run; the source keeps its bytes, also through the exit steps.
TEST_F(BuildTest, ADerivedPathNamingTheSourceStopsTheBuild) {
  struct Case {
    const char16_t* source;
    const char16_t* output;
    UString derived;
  };
  const std::string text = "OpenConsole()\r\n";
  for (const Case& c : {Case{u"C:\\w\\src\\PureBasic.asm", u"a.exe", u"C:\\w\\src\\PureBasic.asm"},
                        Case{u"C:\\w\\src\\Sparlin.rc", u"a.exe", u"C:\\w\\src\\Sparlin.rc"},
                        Case{kSource, u"..\\src\\DEMO.pb", u"..\\src\\DEMO.pb"}}) {
    host_ = FakeHost();
    compiler_.runs.clear();
    files_.Write(c.source, text);
    Session& s = NewSession(c.source, c.output);
    EXPECT_FALSE(RunBuild(s.context()));
    EXPECT_EQ(host_.messages, (std::vector<testing::RecordedMessage>{
                                  {u"Error Paths",
                                   u"The file " + c.derived + u" that the build would write is the source file " +
                                       c.source + u" itself. Nothing was built.",
                                   MessageIcon::kError}}));
    EXPECT_TRUE(compiler_.runs.empty());
    s.RunExitSteps(true);
    EXPECT_EQ(files_.Read(c.source), text);
  }
}

}  // namespace
}  // namespace sparlin
