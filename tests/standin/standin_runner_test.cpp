// The stand-in's output program: it prints what the program prints and exits
// 0, except that a program whose image decoder library was dropped from the
// assembly header dies with an access violation when it loads the image.
#include <gtest/gtest.h>

#include "standin/standin_support.h"
#include "support/temp_dir.h"

namespace sparlin::testing::standin {
namespace {

namespace fs = std::filesystem;

// Drops a library's header line and comments out its functions, as Sparlin's
// pruning does with a plugin it did not detect.
std::string DropLibrary(const std::string& assembly, const std::string& library, const std::string& function) {
  std::string out;
  for (const std::string& line : Lines(assembly)) {
    if (line == "; " + library) continue;
    bool commented = line == "extrn " + function || line == "  CALL   " + function;
    out += (commented ? "; " : "") + line + "\r\n";
  }
  return out;
}

TEST(StandinRunner, ConsoleProgramPrintsItsTextsAndExitsZero) {
  SKIP_WITHOUT_STANDIN();
  TempDir temp;
  ASSERT_EQ(CompileExample("console", "Console", temp.path(), " /CONSOLE").exit_code, 0u);
  ASSERT_EQ(Reassemble(temp.path(), "Console.exe").exit_code, 0u);
  RunResult run = RunProgram(temp.path() / "Console.exe", "", temp.path());
  EXPECT_EQ(run.exit_code, 0u);
  EXPECT_EQ(run.output, "Hello from Sparlin!\nThe answer is \n");
}

TEST(StandinRunner, ImageProgramsCrashOnlyWithoutTheirDecoder) {
  SKIP_WITHOUT_STANDIN();
  ScopedEnv target("SPARLIN_STANDIN_TARGET", "x64");
  struct Case {
    const char* folder;
    const char* main;
    const char* plugin;
    const char* decoder;
  };
  // Names from literals, and a name put together at run time from pieces.
  for (const Case& c : {Case{"image_viewer", "ImageViewer", "ImagePluginJPEG", "PB_UseJPEGImageDecoder"},
                        Case{"image_viewer", "ImageViewer", "ImagePluginPNG", "PB_UsePNGImageDecoder"},
                        Case{"runtime_names", "RuntimeNames", "ImagePluginPNG", "PB_UsePNGImageDecoder"}}) {
    TempDir temp;
    ASSERT_EQ(CompileExample(c.folder, c.main, temp.path(), "").exit_code, 0u);
    std::string assembly = ReadBytes(temp.path() / "PureBasic.asm");
    ASSERT_EQ(Reassemble(temp.path(), "whole.exe").exit_code, 0u);
    EXPECT_EQ(RunProgram(temp.path() / "whole.exe", "", temp.path()).exit_code, 0u) << c.main;

    WriteBytes(temp.path() / "PureBasic.asm", DropLibrary(assembly, c.plugin, c.decoder));
    RunResult built = Reassemble(temp.path(), "pruned.exe");
    ASSERT_EQ(built.exit_code, 0u) << built.output;
    EXPECT_EQ(RunProgram(temp.path() / "pruned.exe", "", temp.path()).exit_code, platform::kAccessViolation)
        << c.main << " without " << c.plugin;
  }
  // Another library gone changes nothing for the images.
  TempDir temp;
  ASSERT_EQ(CompileExample("image_viewer", "ImageViewer", temp.path(), "").exit_code, 0u);
  std::string assembly = ReadBytes(temp.path() / "PureBasic.asm");
  WriteBytes(temp.path() / "PureBasic.asm", DropLibrary(assembly, "Desktop", "PB_InitDesktop"));
  ASSERT_EQ(Reassemble(temp.path(), "pruned.exe").exit_code, 0u);
  EXPECT_EQ(RunProgram(temp.path() / "pruned.exe", "", temp.path()).exit_code, 0u);
}

TEST(StandinRunner, RunnerWithoutProgramSaysSo) {
  SKIP_WITHOUT_STANDIN();
  TempDir temp;
#ifdef _WIN32
  fs::path runner = InstallFolder() / "Compilers" / "sparlin-standin-runner.exe";
#else
  fs::path runner = InstallFolder() / "Compilers" / "sparlin-standin-runner";
#endif
  RunResult run = RunProgram(runner, "", temp.path());
  EXPECT_EQ(run.exit_code, 1u);
  EXPECT_EQ(run.output, "Sparlin stand-in runner: no program attached to this file.\n");
}

}  // namespace
}  // namespace sparlin::testing::standin
