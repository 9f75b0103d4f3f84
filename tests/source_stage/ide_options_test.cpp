#include "source_stage/ide_options.h"

#include <gtest/gtest.h>

#include "source_stage/source_stage_fixtures.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace sparlin {
namespace {

using testing::CorpusFile;
using testing::Crlf;
using testing::FakeBuild;
using testing::ReplaceBytes;
using testing::TempDir;

UString SwitchesOf(const IdeOptions& options) { return options.switches.Joined(); }

TEST(IdeOptionLines, EveryOptionLineBecomesItsSwitch) {
  // A DLL footer with every switch line; "; EnableThread" sits in the program.
  UString text = U(Crlf(R"(EnableExplicit
; EnableThread is needed for the worker below
ProcedureDLL Start()
EndProcedure
; IDE Options = PureBasic 6.10 LTS (Windows - x64)
; ExecutableFormat = Shared dll
; CursorPosition = 3
; EnableXP
; EnableUser
; EnableAdmin
; DPIAware
; EnableOnError
; UseIcon = icons\app.ico
; Executable = C:\Build Out\worker.dll)"));
  IdeOptions options = ParseIdeOptions(text, u"");
  EXPECT_EQ(options.format, u" /DLL");
  EXPECT_EQ(options.output_path, u"C:\\Build Out\\worker.dll");
  EXPECT_EQ(SwitchesOf(options),
            u" /DLL /EXE \"C:\\Build Out\\worker.dll\" /XP /USER /ICON \"icons\\app.ico\" /DPIAWARE /LINENUMBERING"
            u" /THREAD");
  EXPECT_EQ(options.options_footer, text.substr(text.find(u"; IDE Options =")));
  EXPECT_FALSE(options.constants_filled);
  EXPECT_EQ(options.working_text, text);
}

TEST(IdeOptionLines, ExecutableLineAndFormatCombinations) {
  // Admin without User; Console format; output path known from the IDE wins.
  IdeOptions console = ParseIdeOptions(
      U(Crlf("; IDE Options = PureBasic 6.10\n; ExecutableFormat = Console\n; EnableAdmin\n; Executable = tool.exe")),
      u"C:\\ide\\given.exe");
  EXPECT_EQ(console.output_path, u"C:\\ide\\given.exe");
  EXPECT_EQ(SwitchesOf(console), u" /CONSOLE /EXE \"C:\\ide\\given.exe\" /ADMINISTRATOR");

  // A DLL without an "; Executable " line: the format stays out of `Exe`.
  IdeOptions dll = ParseIdeOptions(U(Crlf("; IDE Options = PureBasic 6.10\n; ExecutableFormat = Shared dll")),
                                   u"C:\\out\\x.dll");
  EXPECT_EQ(dll.format, u" /DLL");
  EXPECT_EQ(SwitchesOf(dll), u" /EXE \"C:\\out\\x.dll\"");

  // No options at all: only the output switch, nothing else.
  IdeOptions none = ParseIdeOptions(u"Debug 1\r\n", u"");
  EXPECT_EQ(SwitchesOf(none), u" /EXE \"\"");
  EXPECT_EQ(none.options_footer, u"");
}

TEST(IdeOptionLines, OptionSearchesMatchCaseExactly) {
  // Option lines in another case are not the IDE's lines, and the executable
  // constant is only looked for in its exact spelling: nothing is set and no
  // constants copy is due.
  const UString text = U(Crlf(R"(If #pb_editor_createexecutable : Debug "exe" : EndIf
; enablexp
; EnableXp
; enablethread
; Enableuser
; EnableAdmin
; executableformat = console
; UseIcon = app.ico
; executable = other.exe
; IDE Options = PureBasic 6.10)"));
  IdeOptions options = ParseIdeOptions(text, u"C:\\out\\app.exe");
  EXPECT_EQ(SwitchesOf(options), u" /EXE \"C:\\out\\app.exe\" /ADMINISTRATOR /ICON \"app.ico\"");
  EXPECT_EQ(options.format, u"");
  EXPECT_FALSE(options.constants_filled);
  EXPECT_EQ(options.exe_constant, 0);
  EXPECT_EQ(options.working_text, text);
  EXPECT_EQ(options.options_footer, u"; IDE Options = PureBasic 6.10");
}

TEST(IdeOptionLines, ValuesOfLfSourcesEndAtTheLineFeed) {
  // Sources saved with LF line ends (the corpus holds many): a value ends at
  // its own line, not at the next carriage return somewhere below.
  IdeOptions options = ParseIdeOptions(
      u"; IDE Options = PureBasic 4.61 (Windows - x86)\n; UseIcon = app.ico\n; Executable = eXtends.dll\n"
      u"; EnableCompileCount = 41\n; DisableDebugger",
      u"");
  EXPECT_EQ(SwitchesOf(options), u" /EXE \"eXtends.dll\" /ICON \"app.ico\"");
  EXPECT_EQ(options.compile_count, 41);
}

TEST(IdeOptionLines, EditorConstantsAreFilledIgnoringCase) {
  const std::string program =
      "Debug \"Build \" + Str(#PB_Editor_BuildCount) + \".\" + Str(#pb_editor_compilecount)\r\n"
      "CompilerIf #PB_EDITOR_CreateExecutable : Debug \"exe\" : CompilerEndIf\r\n";
  {
    IdeOptions options = ParseIdeOptions(
        U(program + "; IDE Options = PureBasic 5.62\r\n; EnableCompileCount = 12\r\n; EnableBuildCount = 3\r\n"
                    "; EnableExeConstant"),
        u"");
    EXPECT_TRUE(options.constants_filled);
    EXPECT_EQ(options.compile_count, 12);
    EXPECT_EQ(options.build_count, 3);
    EXPECT_EQ(options.exe_constant, 1);
    EXPECT_EQ(EncodeUtf8(options.working_text),
              "Debug \"Build \" + Str(3) + \".\" + Str(12)\r\nCompilerIf 1 : Debug \"exe\" : CompilerEndIf\r\n"
              "; IDE Options = PureBasic 5.62\r\n; EnableCompileCount = 12\r\n; EnableBuildCount = 3\r\n"
              "; EnableExeConstant");
  }
  {
    // Switched-off counters become 0 in the text and 1 as values, so the
    // copy is compiled. The executable constant without its option line is
    // found by its exact spelling and then replaced in any case by 0.
    IdeOptions options = ParseIdeOptions(
        U("Debug Str(#PB_Editor_BuildCount) + Str(#PB_Editor_CompileCount)\r\n"
          "If #PB_Editor_CreateExecutable Or #pb_editor_createexecutable : EndIf\r\n"
          "; IDE Options = PureBasic 5.62\r\n; DisableCompileCount\r\n; DisableBuildCount"),
        u"");
    EXPECT_TRUE(options.constants_filled);
    EXPECT_EQ(options.compile_count, 1);
    EXPECT_EQ(options.build_count, 1);
    EXPECT_EQ(options.exe_constant, 1);
    EXPECT_EQ(EncodeUtf8(options.working_text),
              "Debug Str(0) + Str(0)\r\nIf 0 Or 0 : EndIf\r\n"
              "; IDE Options = PureBasic 5.62\r\n; DisableCompileCount\r\n; DisableBuildCount");
  }
  {
    // A counter of 0: the copy is written, but all three values stay 0.
    IdeOptions options = ParseIdeOptions(u"; IDE Options = PureBasic 5.62\r\n; EnableCompileCount = 0", u"");
    EXPECT_TRUE(options.constants_filled);
    EXPECT_EQ(options.compile_count + options.build_count + options.exe_constant, 0);
  }
}

class ReadIdeOptionsTest : public ::testing::Test {
 protected:
  void UseSource(const std::string& name, const std::string& bytes) {
    dir.Write(name, bytes);
    build.state.globals.SourcePath = dir.File(name);
  }
  TempDir dir;
  FakeBuild build;
};

TEST_F(ReadIdeOptionsTest, AnsiSourceGetsAByteExactConstantsCopy) {
  // A real ANSI source (accented letters in its comments) with a build
  // count; the program line added here uses the constant next to an ANSI
  // byte. The copy keeps every byte but the filled constant.
  std::string source = CorpusFile("rkild511__Thothbox_Main.pb");
  source.insert(source.find("InitializeThothbox"), "Debug \"Thothbox \xe9" "dition \" + Str(#PB_Editor_BuildCount)\n");
  UseSource("Thothbox - Main.pb", source);
  EXPECT_EQ(ReadIdeOptions(build.ctx), TextEncoding::kAscii);

  const SourceValues& s = build.state.source;
  EXPECT_EQ(s.SourceFormat, TextEncoding::kAscii);
  EXPECT_EQ(s.CompileCount + s.BuildCount + s.ExeConstant, 0);
  EXPECT_EQ(s.Switches.Joined(), u" /EXE \"\" /XP");
  EXPECT_EQ(dir.Read("const_Thothbox - Main.pb"), ReplaceBytes(source, "#PB_Editor_BuildCount", "0"));
  EXPECT_EQ(EncodeUtf8(s.OptionsFooter), source.substr(source.find("; IDE Options =")));
  EXPECT_EQ(build.state.globals.ResourceScriptPath, dir.File("Sparlin.rc"));
  EXPECT_FALSE(dir.Exists("Sparlin.rc"));
  EXPECT_EQ(build.host.progress, std::vector<int>{8});
  EXPECT_TRUE(build.host.messages.empty());
  EXPECT_EQ(build.LogUtf8(), "");
}

TEST_F(ReadIdeOptionsTest, Utf8SourceFromTheCorpus) {
  const std::string source = CorpusFile("senf666__MinIntro.pb");
  UseSource("MinIntro.pb", source);
  build.state.globals.OutputPath = u"C:\\given\\Agony.exe";
  ASSERT_EQ(ReadIdeOptions(build.ctx), TextEncoding::kUtf8);
  const SourceValues& s = build.state.source;
  EXPECT_EQ(s.Switches.Joined(), u" /EXE \"C:\\given\\Agony.exe\" /XP");
  EXPECT_EQ(build.state.globals.OutputPath, u"C:\\given\\Agony.exe");
  EXPECT_EQ(s.CompileCount, 99);
  EXPECT_EQ(s.BuildCount, 2);
  EXPECT_EQ(s.ExeConstant, 1);
  // The copy is UTF-8 without the mark.
  EXPECT_EQ(dir.Read("const_MinIntro.pb"), source.substr(3));
  EXPECT_EQ(EncodeUtf8(s.OptionsFooter),
            Crlf("; IDE Options = PureBasic 5.62 (Windows - x64)\n; Folding = -\n; EnableXP\n"
                 "; Executable = Agony_Minitro.exe\n; DisableDebugger\n; CompileSourceDirectory\n"
                 "; EnableCompileCount = 99\n; EnableBuildCount = 2\n; EnableExeConstant"));
}

TEST_F(ReadIdeOptionsTest, SourcesWithEveryByteOrderMark) {
  const UString text = u"; \u00c9t\u00e9 \U0001F600\r\nDebug #PB_Editor_CompileCount\r\n"
                       u"; IDE Options = PureBasic 6.10\r\n; EnableXP\r\n; EnableCompileCount = 7";
  for (TextEncoding encoding : {TextEncoding::kUtf16LE, TextEncoding::kUtf16BE, TextEncoding::kUtf32BE}) {
    SCOPED_TRACE(static_cast<int>(encoding));
    FakeBuild one;
    dir.Write("wide.pb", BomBytes(encoding) + EncodeText(text, encoding));
    one.state.globals.SourcePath = dir.File("wide.pb");
    EXPECT_EQ(ReadIdeOptions(one.ctx), encoding);
    EXPECT_EQ(one.state.source.Switches.Xp, u" /XP");
    EXPECT_EQ(one.state.source.CompileCount, 7);
    EXPECT_EQ(dir.Read("const_wide.pb"),
              "; \xc3\x89t\xc3\xa9 \xf0\x9f\x98\x80\r\nDebug 7\r\n; IDE Options = PureBasic 6.10\r\n; EnableXP\r\n"
              "; EnableCompileCount = 7");
  }
}

TEST_F(ReadIdeOptionsTest, UnreadableSourceStopsWithTheBomMessage) {
  std::filesystem::create_directories(dir.path() / "folder.pb");
  build.state.globals.SourcePath = dir.File("folder.pb");
  build.state.globals.OutputPath = u"keep.exe";
  EXPECT_EQ(ReadIdeOptions(build.ctx), TextEncoding::kReadFailed);
  EXPECT_EQ(build.host.messages,
            (std::vector<testing::RecordedMessage>{
                {u"Error BOM", u"Reading " + dir.File("folder.pb") + u" was not successful...", MessageIcon::kError}}));
  EXPECT_EQ(build.state.source.Switches.Joined(), u"");
  EXPECT_EQ(build.state.globals.ResourceScriptPath, u"");
  EXPECT_TRUE(build.host.progress.empty());
}

TEST_F(ReadIdeOptionsTest, AnUnwritableCopyStopsTheBuildAndAStaleScriptGoesSilently) {
  // The copy's name is taken by a folder: an older copy must not be compiled.
  std::filesystem::create_directories(dir.path() / "const_main.pb");
  UseSource("main.pb", "Debug #PB_Editor_CreateExecutable\r\n; IDE Options = PureBasic 6.10\r\n; EnableThread");
  EXPECT_EQ(ReadIdeOptions(build.ctx), TextEncoding::kReadFailed);
  EXPECT_EQ(build.host.messages, (std::vector<testing::RecordedMessage>{
                                     {u"Error BOM", u"Writing " + dir.File("const_main.pb") + u" was not successful...",
                                      MessageIcon::kError}}));
  EXPECT_TRUE(build.host.progress.empty());
  // A script of an earlier build must go, since this source has no resources.
  FakeBuild other;
  dir.Write("Sparlin.rc", "stale");
  dir.Write("other.pb", "; IDE Options = PureBasic 6.10\r\n; EnableThread");
  other.state.globals.SourcePath = dir.File("other.pb");
  EXPECT_EQ(ReadIdeOptions(other.ctx), TextEncoding::kAscii);
  EXPECT_EQ(other.state.source.Switches.Joined(), u" /EXE \"\" /THREAD");
  EXPECT_FALSE(dir.Exists("Sparlin.rc"));
  EXPECT_TRUE(other.host.messages.empty());
  EXPECT_EQ(other.host.progress, std::vector<int>{8});
}

}  // namespace
}  // namespace sparlin
