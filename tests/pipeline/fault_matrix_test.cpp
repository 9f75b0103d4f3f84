// Every file a build writes, made unwritable in turn: the source never
// changes, a file that existed keeps its old bytes or gets its complete new
// ones, and the build shows exactly the message its step defines. A failed
// write, a full disk and a read-only target all reach the build as the same
// refused write; a folder in the file's place is the other kind of failure.
#include <gtest/gtest.h>

#include <map>

#include "app/session.h"
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

  testing::MemoryFileSystem files;
  testing::ScriptedCompiler compiler{[this](const CompilerRun& run) { return Compile(run); }};
  testing::FakeHost host;
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
      {kConstantsCopy, Fault::kWriteRefused, true, {}},
      {kConstantsCopy, Fault::kFolderInPlace, true, {}},
      {kScript, Fault::kWriteRefused, true, {}},
      {kScript, Fault::kFolderInPlace, true, {}},
      {kPreprocessed, Fault::kWriteRefused, false, {{u"Error Convert", Writing(kPreprocessed), MessageIcon::kError}}},
      {kPreprocessed, Fault::kFolderInPlace, false, {}},
      {kAssembly, Fault::kWriteRefused, true, {{u"Error Comments", Writing(kAssembly), MessageIcon::kError}}},
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

}  // namespace
}  // namespace sparlin
