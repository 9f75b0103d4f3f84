// The assembly stage and library pruning through sparlin-cli with the
// stand-in compiler, whose "/REASM" assembles every rewritten file with the
// real flat assembler and whose output grows with each runtime library left
// in the assembly header.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace sparlin {
namespace {

namespace fs = std::filesystem;
using testing::CliResult;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// The text from the first `from` up to (not including) the next `to`.
std::string Between(const std::string& text, const std::string& from, const std::string& to) {
  size_t begin = text.find(from);
  if (begin == std::string::npos) return "<" + from + " missing>";
  size_t end = text.find(to, begin);
  return text.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

struct Build {
  CliResult result;
  fs::path folder;
  fs::path output;
  uintmax_t output_size = 0;
};

class AsmPruningE2e : public ::testing::Test {
 protected:
  void SetUp() override {
    if (testing::CliBinary().empty() || testing::StandinInstall().empty()) {
      GTEST_FAIL() << "SPARLIN_CLI or SPARLIN_STANDIN_INSTALL is not set: nothing to run the build with";
    }
  }

  // Copies examples/<example> into a folder of its own named `tag` and builds
  // <source> there; the output goes to its out/ subfolder.
  Build Run(const std::string& example, const std::string& source, const std::string& output, const std::string& tag,
            std::vector<std::string> args) {
    Build b;
    b.folder = dir_.path() / tag;
    fs::create_directories(b.folder / "out");
    fs::copy(fs::path(SPARLIN_SOURCE_DIR) / "examples" / example, b.folder, fs::copy_options::recursive);
    b.output = b.folder / "out" / output;
    args.push_back((b.folder / source).string());
    b.result = testing::RunCli(b.folder, args,
                               {{"PB_TOOL_Compiler", testing::StandinCompiler()}, {"PB_TOOL_Executable", b.output.string()}});
    std::error_code ec;
    b.output_size = fs::file_size(b.output, ec);
    return b;
  }

  // The REASM run accepted the rewritten file: the flat assembler ran and
  // the build finished.
  static void ExpectAssembled(const Build& b) {
    std::string reasm = Between(b.result.out, " ---  REASM", "\tAll Finished!");
    EXPECT_EQ(reasm.find("Error"), std::string::npos) << reasm;
    EXPECT_EQ(reasm.find("No flat assembler"), std::string::npos) << reasm;
    EXPECT_NE(b.result.out.find("\tAll Finished!\r\n"), std::string::npos) << b.result.out;
    EXPECT_GT(b.output_size, 0u);
  }

  testing::TempDir dir_;
};

TEST_F(AsmPruningE2e, EveryExampleShrinksAndStillAssembles) {
  struct Example {
    std::string folder, source, output;
  };
  const std::vector<Example> examples = {
      {"console", "Console.pb", "Console.exe"},
      {"image_viewer", "ImageViewer.pb", "ImageViewer.exe"},
      {"runtime_names", "RuntimeNames.pb", "RuntimeNames.exe"},
      {"dll", "MathDll.pb", "MathDll.dll"},  // x86, with the export definitions fixed
      {"dll_user", "DllUser.pb", "DllUser.exe"},
  };
  for (const Example& e : examples) {
    SCOPED_TRACE(e.folder);
    Build pruned = Run(e.folder, e.source, e.output, e.folder + "-pruned", {});
    Build full = Run(e.folder, e.source, e.output, e.folder + "-full", {"--set", "RemUncalled=0"});
    EXPECT_EQ(pruned.result.exit_code, 0) << pruned.result.out << pruned.result.err;
    EXPECT_EQ(full.result.exit_code, 0) << full.result.out << full.result.err;
    ExpectAssembled(pruned);
    ExpectAssembled(full);
    EXPECT_LT(pruned.output_size, full.output_size);
    EXPECT_EQ(full.result.out.find("Called PB Functions"), std::string::npos);
  }
}

TEST_F(AsmPruningE2e, ConsoleProgramLosesItsUnusedLibraries) {
  Build b = Run("console", "Console.pb", "Console.exe", "console", {});
  ASSERT_EQ(b.result.exit_code, 0) << b.result.out << b.result.err;
  EXPECT_EQ(Between(b.result.out, "\t\xC2\xB7  Imported PB Libraries", " ---  REASM"),
            "\t\xC2\xB7  Imported PB Libraries: 6\r\n\r\n\t\tConsole\r\n\t\tMemory\r\n\t\tObject\r\n\t\tSimpleList\r\n"
            "\t\tString\r\n\t\tSystem\r\n"
            "\r\n\t\xC2\xB7  Called PB Functions\r\n"
            "\r\n\t\tConsole: 3\r\n\r\n\t\t\tPB_CloseConsole: 1\r\n\t\t\tPB_OpenConsole: 1\r\n\t\t\tPB_PrintN: 2\r\n"
            "\r\n\t\tMemory: 2\r\n\r\n\t\t\tPB_FreeMemorys: 1\r\n\t\t\tPB_InitMemory: 1\r\n"
            "\r\n\t\tObject: 1\r\n\r\n\t\t\tPB_FreeObjects: 1\r\n"
            "\r\n\t\tSimpleList: 0\r\n"
            "\r\n\t\tString: 1\r\n\r\n\t\t\tPB_Str: 1\r\n"
            "\r\n\t\tSystem: 1\r\n\r\n\t\t\tPB_Delay: 1\r\n"
            "\r\n\t\xC2\xB7  Uncalled PB Functions Removed\r\n"
            "\r\n\t\tPB_FreeObjects\r\n"
            "\r\n\t\xC2\xB7  Uncalled PB Libraries Removed\r\n"
            "\r\n\t\tObject\r\n\t\tSimpleList\r\n\r\n\r\n");

  // The rewritten assembly: the header lists what is left, and the one
  // removed function is commented out wherever it was declared or called.
  std::string assembly = ReadBytes(b.folder / "PureBasic.asm");
  EXPECT_EQ(Between(assembly, "; String", "format"),
            "; String\r\n; Console\r\n; System\r\n; Memory\r\n; :System\r\n; kernel32.lib\r\n; msvcrt.lib\r\n"
            "; :Import\r\n;\r\n");
  std::string commented;
  std::istringstream lines(assembly);
  for (std::string line; std::getline(lines, line);) {
    if (line.find("; extrn") != std::string::npos || line.find("; CALL") != std::string::npos) commented += line + "\n";
  }
  EXPECT_EQ(commented, "; extrn PB_FreeObjects\r\n  ; CALL   PB_FreeObjects\r\n");
}

TEST_F(AsmPruningE2e, ImageNamesBuiltAtRunTimeLoseThePlugin) {
  Build pruned = Run("runtime_names", "RuntimeNames.pb", "RuntimeNames.exe", "by-extension", {"--run"});
  EXPECT_EQ(pruned.result.exit_code, 3) << pruned.result.out << pruned.result.err;
  EXPECT_EQ(pruned.result.out.find("PNG de/encoder detected"), std::string::npos);
  EXPECT_NE(Between(pruned.result.out, "Uncalled PB Libraries Removed", " ---  REASM").find("\t\tImagePluginPNG\r\n"),
            std::string::npos);

  Build kept = Run("runtime_names", "RuntimeNames.pb", "RuntimeNames.exe", "kept", {"--set", "ImgPlugin=0", "--run"});
  EXPECT_EQ(kept.result.exit_code, 0) << kept.result.out << kept.result.err;
  EXPECT_NE(kept.result.out.find("\r\n\t\xC2\xB7  PNG de/encoder detected\r\n"), std::string::npos);

  // Literal file names keep both decoders of the image viewer.
  Build viewer = Run("image_viewer", "ImageViewer.pb", "ImageViewer.exe", "viewer", {"--run"});
  EXPECT_EQ(viewer.result.exit_code, 0) << viewer.result.out << viewer.result.err;
  EXPECT_EQ(Between(viewer.result.out, "\t\xC2\xB7  JPG", "\t\xC2\xB7  Uncalled"),
            "\t\xC2\xB7  JPG de/encoder detected\r\n\r\n\t\xC2\xB7  PNG de/encoder detected\r\n\r\n");
}

TEST_F(AsmPruningE2e, DllsNamedByTheProgramAreCopiedBesideIt) {
  Build b = Run("dll_user", "DllUser.pb", "DllUser.exe", "dll_user", {});
  ASSERT_EQ(b.result.exit_code, 0) << b.result.out << b.result.err;
  const std::string out = (b.folder / "out").string() + "/";
  EXPECT_EQ(Between(b.result.out, "\t\xC2\xB7  helper.dll", "\tAll Finished!"),
            "\t\xC2\xB7  helper.dll --> " + out + "helper.dll\r\n\r\n\t\xC2\xB7  mylib.dll --> " + out +
                "mylib.dll\r\n\r\n");
  EXPECT_EQ(ReadBytes(b.folder / "out" / "helper.dll"), ReadBytes(b.folder / "lib" / "helper.dll"));
  EXPECT_EQ(ReadBytes(b.folder / "out" / "mylib.dll"), ReadBytes(b.folder / "mylib.dll"));
}

// The real compiler's assembly from the corpus, rewritten with pruning and
// inserted lines, is handed to the flat assembler by a scripted compiler; the
// library files are the stand-in installation's.
TEST_F(AsmPruningE2e, RealCompilerAssemblyStillAssembles) {
  fs::path install = dir_.path() / "PB";
  fs::create_directories(install / "Compilers");
  fs::create_directory_symlink(testing::StandinInstall() / "PureLibraries", install / "PureLibraries");
  dir_.Write("PB/Compilers/pbcompiler.exe", R"sh(#!/bin/sh
case "$2" in
  /PREPROCESS) printf 'x\r\n' > "$3" ;;
  /COMMENTED) cp "$CORPUS_ASM" PureBasic.asm ;;
  /REASM) ${SPARLIN_STANDIN_FASM:-qemu-i386 -L / /usr/bin/fasm} PureBasic.asm out.obj || exit 1 ;;
esac
)sh");
  fs::permissions(install / "Compilers" / "pbcompiler.exe", fs::perms::owner_all);
  dir_.Write("work/prog.pb", "OpenConsole()\r\n");

  const std::vector<std::pair<std::string, std::string>> files = {
      {"win-x64__pb570b3__DialogManager__PureBasic.asm", "\t\tCipher\r\n\t\tDate\r\n\t\tObject\r\n\t\tSimpleList\r\n"},
      {"win-x86__pb450a1__DialogManager__PureBasic4.50.asm",
       "\t\tCipher\r\n\t\tDate\r\n\t\tObject\r\n\t\tSimpleList\r\n"},
      {"win-x64__pb570b3__PureBasicIDE__PureBasic.asm", "\t\tObject\r\n\t\tSimpleList\r\n"},
  };
  for (const auto& [name, dropped] : files) {
    SCOPED_TRACE(name);
    CliResult r = testing::RunCli(dir_.path() / "work",
                                  {"--set", "InsEmpty=1", "--set", "nEmpty=2", "--set", "InsNOP=1",
                                   (dir_.path() / "work" / "prog.pb").string()},
                                  {{"PB_TOOL_Compiler", (install / "Compilers" / "pbcompiler.exe").string()},
                                   {"PB_TOOL_Executable", (dir_.path() / "work" / "prog.exe").string()},
                                   {"CORPUS_ASM", std::string(SPARLIN_CORPUS_DIR) + "/asm/" + name}});
    EXPECT_EQ(r.exit_code, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("\tAll Finished!\r\n"), std::string::npos) << r.out;
    EXPECT_EQ(Between(r.out, "\t\xC2\xB7  Uncalled PB Libraries Removed", " ---  REASM"),
              "\t\xC2\xB7  Uncalled PB Libraries Removed\r\n\r\n" + dropped + "\r\n\r\n");
  }
}

}  // namespace
}  // namespace sparlin
