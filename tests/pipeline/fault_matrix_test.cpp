// Every file a build writes, made unwritable in turn: the source never
// changes, a file that existed keeps its old bytes or gets its complete new
// ones, and the build shows exactly the message its step defines. A failed
// write, a full disk and a read-only target all reach the build as the same
// refused write; a folder in the file's place is the other kind of failure.
#include <gtest/gtest.h>

#include <map>

#include "app/log_file.h"
#include "app/session.h"
#include "app/settings_file.h"
#include "pipeline/build.h"
#include "support/fake_host.h"
#include "support/memory_file_system.h"
#include "support/scripted_compiler.h"

namespace sparlin {
namespace {

using testing::CompilerResult;
using testing::CompilerRun;
using testing::RecordedMessage;

constexpr char16_t kSource[] = u"C:\\w\\src\\demo.pb";
constexpr char16_t kPreprocessed[] = u"C:\\w\\src\\demo_Sparl.pb";
constexpr char16_t kAssembly[] = u"C:\\w\\src\\PureBasic.asm";
constexpr char16_t kScript[] = u"C:\\w\\src\\Sparlin.rc";
constexpr char16_t kConstantsCopy[] = u"C:\\w\\src\\const_demo.pb";
constexpr char16_t kCopiedDll[] = u"C:\\w\\out\\Scintilla.dll";

const std::string kSourceBytes =
    "\xEF\xBB\xBF" "Debug #PB_Editor_CompileCount\r\n; IDE Options = PureBasic 6.10\r\n; EnableCompileCount = 3\r\n"
    "; IncludeVersionInfo\r\n";

enum class Fault { kWriteRefused, kFolderInPlace };

// A compiler installation, a source and what an earlier build left, with one
// build of everything on them.
struct FaultWorld {
  FaultWorld() {
    files.Write(u"C:\\PB\\Compilers\\pbcompiler.exe", "exe");
    files.Write(u"C:\\PB\\Compilers\\Scintilla.dll", "new dll");
    files.Write(u"C:\\PB\\PureLibraries\\Scintilla", std::string("ERUP\0InitScintilla\0ScintillaGadget\0ERUP\0", 40));
    files.Write(kSource, kSourceBytes);
    files.Write(kPreprocessed, "old preprocessed");
    files.Write(kAssembly, "old assembly");
    files.Write(kCopiedDll, "old dll");
  }

  // The compiler writes through the same file system, so a folder in the
  // place of its file makes it fail as pbcompiler.exe would.
  std::optional<CompilerResult> Compile(const CompilerRun& run) {
    if (!files.Has(run.program)) return std::nullopt;
    script_seen = files.Read(kScript).value_or("");
    const std::vector<UString>& a = run.arguments;
    UString stage = a.at(1).substr(1);
    bool written = true;
    if (stage == u"PREPROCESS") {
      written = files.WriteWholeFile(a.at(2), "Macro M\r\nEndMacro\r\nProcedure Unused()\r\nEndProcedure\r\nDebug 3\r\n");
    } else if (stage == u"COMMENTED") {
      written = files.WriteWholeFile(run.working_folder + u"PureBasic.asm",
                                     "; Scintilla\r\nformat MS64 COFF\r\nextrn PB_InitScintilla\r\nextrn PB_ScintillaGadget\r\n"
                                     "PureBasicStart:\r\n  CALL   PB_InitScintilla\r\n  CALL   PB_ScintillaGadget\r\n");
    } else {
      for (size_t i = 0; i + 1 < a.size(); ++i) {
        if (a[i] == u"/EXE") written = files.WriteWholeFile(a[i + 1], "MZ");
      }
    }
    if (stage == u"COMMENTED" && !asm_text.empty()) written = files.WriteWholeFile(run.working_folder + u"PureBasic.asm", asm_text);
    return written ? CompilerResult{{"done"}, 0} : CompilerResult{{"cannot write"}, 1};
  }

  // Sparlin's own writes of `path` are refused (the compiler's still work), or
  // a folder stands in its place.
  bool Build(UStringView path, Fault fault) {
    if (fault == Fault::kFolderInPlace) {
      files.DeleteFile(path);
      files.AddFolder(path);
    } else {
      files.FailReplace(path);
      files.FailCopy(path);
    }
    LaunchParameters launch{kSource, u"", u"C:\\PB\\Compilers\\pbcompiler.exe", u"C:\\w\\out\\demo.exe"};
    Session session(launch, host, files, compiler);
    return RunBuild(session.context());
  }

  // One build of `source` with `output`, as sparlin-cli runs it.
  bool BuildAs(UStringView source, UStringView output) {
    session = std::make_unique<Session>(LaunchParameters{UString(source), u"", u"C:\\PB\\Compilers\\pbcompiler.exe",
                                                         UString(output)},
                                        host, files, compiler);
    session->WriteBanner();
    return RunBuild(session->context());
  }

  std::string asm_text;  // what "/COMMENTED" writes instead of its usual file
  std::string script_seen;  // the resource script as the last compiler run found it
  testing::MemoryFileSystem files;
  testing::ScriptedCompiler compiler{[this](const CompilerRun& run) { return Compile(run); }};
  testing::FakeHost host;
  std::unique_ptr<Session> session;
};

UString Writing(const char16_t* path) { return u"Writing " + UString(path) + u" was not successful..."; }

TEST(FaultMatrixTest, EveryWrittenFileFailingInTurn) {
  struct Case {
    const char16_t* path;
    Fault fault;
    bool finished;
    std::vector<RecordedMessage> messages;
  };
  const Case cases[] = {
      {kConstantsCopy, Fault::kWriteRefused, false, {{u"Error BOM", Writing(kConstantsCopy), MessageIcon::kError}}},
      {kConstantsCopy, Fault::kFolderInPlace, false, {{u"Error BOM", Writing(kConstantsCopy), MessageIcon::kError}}},
      {kScript, Fault::kWriteRefused, false, {{u"Error BOM", Writing(kScript), MessageIcon::kError}}},
      {kScript, Fault::kFolderInPlace, false, {{u"Error BOM", Writing(kScript), MessageIcon::kError}}},
      {kPreprocessed, Fault::kWriteRefused, false, {{u"Error Convert", Writing(kPreprocessed), MessageIcon::kError}}},
      {kPreprocessed, Fault::kFolderInPlace, false, {}},
      {kAssembly, Fault::kWriteRefused, false, {{u"Error Comments", Writing(kAssembly), MessageIcon::kError}}},
      {kAssembly, Fault::kFolderInPlace, false, {}},
      {kCopiedDll, Fault::kWriteRefused, true, {}},
      {kCopiedDll, Fault::kFolderInPlace, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(EncodeUtf8(c.path) + (c.fault == Fault::kFolderInPlace ? " (folder)" : " (refused)"));
    FaultWorld world;
    std::optional<std::string> old_bytes = world.files.Read(c.path);
    EXPECT_EQ(world.Build(c.path, c.fault), c.finished);
    EXPECT_EQ(world.host.messages, c.messages);
    EXPECT_EQ(world.files.Read(kSource), kSourceBytes);
    if (c.fault == Fault::kFolderInPlace) {
      EXPECT_EQ(world.files.FileSize(c.path), platform::kFileIsFolder);
    } else if (UStringView(c.path) != kPreprocessed && UStringView(c.path) != kAssembly) {
      EXPECT_EQ(world.files.Read(c.path), old_bytes);  // never written
    }
  }
  // Without a fault the same build finishes and copies the DLL.
  FaultWorld world;
  EXPECT_TRUE(world.Build(u"C:\\elsewhere", Fault::kWriteRefused));
  EXPECT_TRUE(world.host.messages.empty());
  EXPECT_EQ(world.files.Read(kCopiedDll), "new dll");
}

// A data-word line of the static strings holding `text` (UTF-16 units, then 0).
std::string DataWords(const std::u16string& text) {
  std::string line = "_S1: dw ";
  for (char16_t c : text) line += std::to_string(static_cast<int>(c)) + ",";
  return line + "0\r\n";
}

std::string AssemblyNaming(const std::string& import_line, const std::string& string_line) {
  return "; Engine3D\r\nformat MS64 COFF\r\n; :Import\r\n" + import_line + "format MS COFF\r\nPureBasicStart:\r\n"
         "  RET\r\nsection '.data'\r\n_SYS_StaticStringStart:\r\n" + string_line + "_SYS_StaticStringEnd:\r\n";
}

constexpr char16_t kOutput[] = u"C:\\w\\out\\demo.exe";
constexpr char16_t kDll[] = u"C:\\w\\out\\mylib.dll";

UString Msg(const char16_t* text) { return text; }

// The faults that a careless user and a hostile environment met: each case
// arranges one, runs the build (or the step it concerns) and says what must
// follow. The build writes nothing it should not, reports every step that
// failed, and never reports "All Finished!" for a program it did not build.
TEST(FaultMatrixTest, WhatTheFaultRunFound) {
  using World = FaultWorld;
  struct Case {
    const char* fault;
    std::function<void(World&)> arrange;
    std::function<bool(World&)> act;  // default: the build of kSource into kOutput
    bool succeeds;
    std::vector<RecordedMessage> messages;
    std::function<void(World&)> check;
  };
  auto source_with = [](const std::string& footer) {
    return [footer](World& w) { w.files.Write(kSource, "Debug 1\r\n; IDE Options = PureBasic 6.10\r\n" + footer); };
  };
  auto no_compiler_run = [](World& w) { EXPECT_TRUE(w.compiler.runs.empty()); };
  auto refused = [](const char16_t* option) {
    return std::vector<RecordedMessage>{{u"Error Options", u"The value of the IDE option " + UString(option) +
                                             u" holds a character that cannot be passed on to the compiler. "
                                             u"Nothing was built.",
                                         MessageIcon::kError}};
  };
  auto dll_world = [](const std::string& asm_text, std::function<void(World&)> more) {
    return [asm_text, more](World& w) {
      w.files.Write(kSource, "Debug 1\r\n");
      w.asm_text = asm_text;
      if (more) more(w);
    };
  };
  auto build_dll = [](World& w) { return w.BuildAs(kSource, kDll); };
  auto dll_is_the_program = [](World& w) { EXPECT_EQ(w.files.Read(kDll), "MZ"); };
  const Case cases[] = {
      // 2: two sources in one folder, or one folder under another name: one build at a time.
      {"second source in a building folder",
       [](World& w) { w.files.Write(u"C:\\w\\src\\other.pb", "x"); },
       [](World& w) {
         auto other = w.files.LockSourceForBuild(u"C:\\w\\src\\other.pb");
         return w.BuildAs(kSource, kOutput);
       },
       false, {{u"Error Busy", u"Another Sparlin is building in C:\\w\\src\\ right now.", MessageIcon::kError}},
       no_compiler_run},
      {"linked folder of a building folder",
       [](World& w) { w.files.AddAlias(u"C:\\link\\", u"C:\\w\\src\\"); },
       [](World& w) {
         auto other = w.files.LockSourceForBuild(kSource);
         return w.BuildAs(u"C:\\link\\demo.pb", kOutput);
       },
       false, {{u"Error Busy", u"Another Sparlin is building in C:\\link\\ right now.", MessageIcon::kError}},
       no_compiler_run},
      {"leftover temporary file of a killed build",
       [](World& w) { w.files.Write(u"C:\\w\\src\\PureBasic.asm.sparlin-tmp-0123456789abcdef", "9 MB"); }, {}, true, {},
       [](World& w) { EXPECT_FALSE(w.files.Has(u"C:\\w\\src\\PureBasic.asm.sparlin-tmp-0123456789abcdef")); }},
      // 3: an older constants copy is never compiled.
      {"constants copy not writable, older copy there",
       [](World& w) {
         w.files.Write(kSource, kSourceBytes);
         w.files.Write(kConstantsCopy, "old code");
         w.files.FailReplace(kConstantsCopy);
       },
       {}, false, {{u"Error BOM", Writing(kConstantsCopy), MessageIcon::kError}}, no_compiler_run},
      // 4: no program without its resources.
      {"resource script not writable",
       [](World& w) {
         w.files.Write(kSource, "; IncludeVersionInfo\r\n; AddResource = x.rc\r\n");
         w.files.FailReplace(kScript);
       },
       {}, false,
       {{u"Error BOM", Writing(kScript), MessageIcon::kError}}, no_compiler_run},
      // 5: the unrewritten assembly is never linked.
      {"rewritten assembly not writable", [](World& w) { w.files.FailReplace(kAssembly); }, {}, false,
       {{u"Error Comments", Writing(kAssembly), MessageIcon::kError}},
       [](World& w) { EXPECT_EQ(w.compiler.runs.size(), 2u); }},
      // 6: the log is written safely, never over the source or the build's files.
      {"log to a full disk over an older log",
       [](World& w) {
         w.files.Write(u"C:\\w\\run.txt", "older log");
         w.files.FailReplace(u"C:\\w\\run.txt");
       },
       [](World& w) { return w.BuildAs(kSource, kOutput) && SaveLogFile(w.session->context(), u"C:\\w\\run.txt"); },
       false, {{u"Error Log", Writing(u"C:\\w\\run.txt"), MessageIcon::kError}},
       [](World& w) { EXPECT_EQ(w.files.Read(u"C:\\w\\run.txt"), "older log"); }},
      {"log onto the source", {},
       [](World& w) { return w.BuildAs(kSource, kOutput) && SaveLogFile(w.session->context(), u"c:/W/src/./demo.pb"); },
       false,
       {{u"Error Log", Msg(u"The log file c:/W/src/./demo.pb would replace the source file or a file that the build "
                           u"writes. The log was not saved."),
         MessageIcon::kError}},
       {}},
      // 7: the DLL step never copies onto the program it built.
      {"old DLL of the output's name beside the source",
       dll_world(AssemblyNaming("", DataWords(u"mylib.dll")),
                 [](World& w) { w.files.Write(u"C:\\w\\src\\mylib.dll", "old dll"); }),
       build_dll, true, {}, dll_is_the_program},
      {"import library with a DLL of the output's name",
       dll_world(AssemblyNaming("; C:\\lib\\mylib.lib\r\n", ""),
                 [](World& w) {
                   w.files.Write(u"C:\\lib\\mylib.lib", "lib");
                   w.files.Write(u"C:\\lib\\mylib.dll", "old dll");
                 }),
       build_dll, true, {}, dll_is_the_program},
      {"output named like a compiler DLL", dll_world(AssemblyNaming("", ""), [](World& w) {
         w.files.Write(u"C:\\PB\\Compilers\\Engine3d.dll", "engine");
       }),
       [](World& w) { return w.BuildAs(kSource, u"C:\\w\\out\\Engine3d.dll"); }, true, {},
       [](World& w) { EXPECT_EQ(w.files.Read(u"C:\\w\\out\\Engine3d.dll"), "MZ"); }},
      // 8: a zero inside a DLL name names no file.
      {"DLL name with a zero inside", dll_world(AssemblyNaming("", DataWords(u"C:\\w\\secret.txt" + std::u16string(1, 0) + u".dll")),
                                               [](World& w) { w.files.Write(u"C:\\w\\secret.txt", "secret"); }),
       {}, true, {}, [](World& w) {
         int copies = 0;
         for (const auto& file : w.files.files()) copies += file.second == "secret";
         EXPECT_EQ(copies, 1);
       }},
      // 9, 10: option values stay values.
      {"icon value that ends its quotes", source_with("; UseIcon = app.ico\" /EXE \"demo.pb"), {}, false, refused(u"UseIcon"),
       no_compiler_run},
      {"executable that ends its quotes", {},
       [](World& w) { return w.BuildAs(kSource, u"C:\\w\\a.exe\" /RESOURCE \"x.rc"); }, false, refused(u"Executable"),
       no_compiler_run},
      {"added resource that ends its quotes", source_with("; AddResource = extra.rc\" 2 RCDATA \"../private/key.bin"), {},
       false, refused(u"AddResource"), no_compiler_run},
      {"version number with resource statements",
       source_with("; IncludeVersionInfo\r\n; VersionField16 = 1 } 2 RCDATA key.bin"), {}, false,
       refused(u"VersionField16"), no_compiler_run},
      {"text field with quotes", source_with("; IncludeVersionInfo\r\n; VersionField6 = The \"Best\" App"), {}, true, {},
       [](World& w) {
         EXPECT_NE(w.script_seen.find("\"The \"\"Best\"\" App\\0\""), std::string::npos);
       }},
      // 11: placeholders in values are not filled again.
      {"version fields holding thirty placeholders each",
       [](World& w) {
         std::string footer = "; IncludeVersionInfo\r\n";
         for (int field = 2; field <= 7; ++field) {
           footer += "; VersionField" + std::to_string(field) + " = ";
           for (int i = 0; i < 30; ++i) footer += "VersionField" + std::to_string(field + 1) + "%";
           footer += "\r\n";
         }
         w.files.Write(kSource, footer);
       },
       {}, true, {}, [](World& w) {
         EXPECT_GT(w.script_seen.size(), 1000u);
         EXPECT_LT(w.script_seen.size(), 10000u);
       }},
      // 12: a settings file of any size costs no more than a real one.
      {"settings file of 24 MiB of line feeds",
       [](World& w) { w.files.Write(u"Sparlin.ini", std::string(24 << 20, '\n')); },
       [](World& w) {
         SettingsFile settings{u"Sparlin.ini", &w.files};
         EXPECT_EQ(StartupOptionValues(settings).Get(Option::CreatePB), OptionValues::Created().Get(Option::CreatePB));
         return !settings.Save(OptionValues::Created());
       },
       true, {}, [](World& w) { EXPECT_EQ(w.files.Read(u"Sparlin.ini")->size(), 24u << 20); }},
      // 14: a quote in the source's folder stays inside one argument.
      {"source folder with a quote in its name",
       [](World& w) { w.files.Write(u"C:\\w\\x\" /EXE \"evil\\demo.pb", "Debug 1\r\n"); },
       [](World& w) { return w.BuildAs(u"C:\\w\\x\" /EXE \"evil\\demo.pb", kOutput); }, true, {},
       [](World& w) {
         ASSERT_EQ(w.compiler.runs.size(), 3u);
         EXPECT_EQ(w.compiler.runs[0].arguments,
                   (std::vector<UString>{u"C:\\w\\x\" /EXE \"evil\\demo.pb", u"/PREPROCESS",
                                         u"C:\\w\\x\" /EXE \"evil\\demo_Sparl.pb"}));
         EXPECT_EQ(w.compiler.runs[2].arguments,
                   (std::vector<UString>{u"C:\\w\\x\" /EXE \"evil\\PureBasic.asm", u"/REASM", u"/EXE", kOutput}));
       }},
      // 16: the source under another name is still the source.
      {"output path through a linked folder",
       [](World& w) { w.files.AddAlias(u"C:\\link\\demo.pb", kSource); },
       [](World& w) { return w.BuildAs(kSource, u"C:\\link\\demo.pb"); }, false,
       {{u"Error Paths", Msg(u"The file C:\\link\\demo.pb that the build would write is the source file "
                               u"C:\\w\\src\\demo.pb itself. Nothing was built."), MessageIcon::kError}},
       no_compiler_run},
      // A compiler that cannot be started says so.
      {"compiler missing", [](World& w) { w.files.DeleteFile(u"C:\\PB\\Compilers\\pbcompiler.exe"); }, {}, false,
       {{u"Error Compiler", Msg(u"The compiler C:\\PB\\Compilers\\pbcompiler.exe could not be started."),
         MessageIcon::kError}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    World world;
    world.files.Write(kSource, "Debug 1\r\n");
    world.host.options.Set(Option::RemUncalled, 0);
    if (c.arrange) c.arrange(world);
    auto source_before = world.files.Read(kSource);
    bool succeeded = c.act ? c.act(world) : world.BuildAs(kSource, kOutput);
    EXPECT_EQ(succeeded, c.succeeds);
    EXPECT_EQ(world.host.messages, c.messages);
    EXPECT_EQ(world.files.Read(kSource), source_before);
    if (c.check) c.check(world);
  }
}

}  // namespace
}  // namespace sparlin
