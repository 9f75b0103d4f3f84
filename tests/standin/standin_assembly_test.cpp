// "/COMMENTED" of the stand-in compiler: the shapes of the assembly that
// Sparlin's passes rely on, for x64 and x86, executables and DLLs.
#include <gtest/gtest.h>

#include "standin/standin_support.h"
#include "support/temp_dir.h"

namespace sparlin::testing::standin {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHeaderTop =
    "; \n"
    "; PureBasic 6.10 LTS (Windows - %s) generated code, imitated by Sparlin's stand-in compiler\n"
    "; \n"
    "; (c) Sparlin stand-in compiler, for development and tests only\n"
    "; \n"
    "; The header must remain intact for Re-Assembly\n"
    "; \n";

std::string HeaderTop(const std::string& cpu) {
  std::string text = kHeaderTop;
  return text.replace(text.find("%s"), 2, cpu);
}

TEST(StandinAssembly, ConsoleProgramForX64) {
  SKIP_WITHOUT_STANDIN();
  ScopedEnv target("SPARLIN_STANDIN_TARGET", "x64");
  TempDir temp;
  RunResult run = CompileExample("console", "Console", temp.path(), " /CONSOLE");
  ASSERT_EQ(run.exit_code, 0u) << run.output;
  std::string assembly = ReadBytes(temp.path() / "PureBasic.asm");
  EXPECT_EQ(AssemblyHeader(assembly),
            HeaderTop("x64") +
                "; String\n; Console\n; System\n; Memory\n; Object\n; SimpleList\n"
                "; :System\n; kernel32.lib\n; msvcrt.lib\n; :Import\n; \nformat MS64 COFF\n");
  EXPECT_EQ(LinesStartingWith(assembly, "extrn "),
            "extrn PB_CloseConsole\nextrn PB_Delay\nextrn PB_FreeMemorys\nextrn PB_FreeObjects\n"
            "extrn PB_InitMemory\nextrn PB_OpenConsole\nextrn PB_PrintN\nextrn PB_Str\n"
            "extrn ExitProcess\nextrn GetModuleHandleW\nextrn HeapCreate\nextrn HeapDestroy\nextrn memset\n"
            "extrn SYS_CopyString\nextrn SYS_InitString\nextrn SYS_FreeStrings\nextrn PB_StringBasePosition\n");
  // Runtime calls in the forms the pruning counts; PrintN goes through its
  // pointer as in the real compiler's output.
  EXPECT_EQ(LinesStartingWith(assembly, "  CALL   PB_") + LinesStartingWith(assembly, "  CALL   qword"),
            "  CALL   PB_InitMemory\n  CALL   PB_OpenConsole\n  CALL   PB_Str\n  CALL   PB_Delay\n"
            "  CALL   PB_CloseConsole\n  CALL   PB_EndFunctions\n  CALL   PB_FreeMemorys\n"
            "  CALL   PB_FreeObjects\n  CALL   qword [PB_PrintN]\n  CALL   qword [PB_PrintN]\n");
  size_t start = assembly.find("_SYS_StaticStringStart:\n");
  size_t end = assembly.find("public _SYS_StaticStringEnd\n");
  ASSERT_NE(start, std::string::npos);
  EXPECT_EQ(assembly.substr(start, end - start),
            "_SYS_StaticStringStart:\n"
            "_S1: dw 72,101,108,108,111,32,102,114,111,109,32,83,112,97,114,108,105,110,33,0\n"
            "_S2: dw 84,104,101,32,97,110,115,119,101,114,32,105,115,32,0\n"
            "pb_public PB_NullString\n  dw     0\n");
  EXPECT_NE(assembly.find("\nPureBasicStart:\n"), std::string::npos);
  EXPECT_NE(assembly.find("\n; PrintN(\"Hello from Sparlin!\")\n"), std::string::npos);
  EXPECT_LT(assembly.find("\nPB_EndFunctions:\n"), assembly.find("\nsection '.data'"));
}

TEST(StandinAssembly, ConsoleProgramForX86UsesDecoratedSymbols) {
  SKIP_WITHOUT_STANDIN();
  ScopedEnv target("SPARLIN_STANDIN_TARGET", "x86");
  TempDir temp;
  RunResult run = CompileExample("console", "Console", temp.path(), " /CONSOLE");
  ASSERT_EQ(run.exit_code, 0u) << run.output;
  std::string assembly = ReadBytes(temp.path() / "PureBasic.asm");
  EXPECT_EQ(AssemblyHeader(assembly),
            HeaderTop("x86") +
                "; String\n; Console\n; System\n; Memory\n; Object\n; SimpleList\n"
                "; :System\n; kernel32.lib\n; msvcrt.lib\n; :Import\n; \nformat MS COFF\n");
  EXPECT_EQ(LinesStartingWith(assembly, "extrn _PB_"),
            "extrn _PB_CloseConsole@0\nextrn _PB_Delay@4\nextrn _PB_FreeMemorys@0\nextrn _PB_FreeObjects@0\n"
            "extrn _PB_InitMemory@0\nextrn _PB_OpenConsole@0\nextrn _PB_PrintN\nextrn _PB_Str@4\n"
            "extrn _PB_StringBasePosition\n");
  EXPECT_EQ(LinesStartingWith(assembly, "  CALL  _PB_") + LinesStartingWith(assembly, "  CALL   dword"),
            "  CALL  _PB_InitMemory@0\n  CALL  _PB_OpenConsole@0\n  CALL  _PB_Str@4\n  CALL  _PB_Delay@4\n"
            "  CALL  _PB_CloseConsole@0\n  CALL  _PB_EndFunctions\n  CALL  _PB_FreeMemorys@0\n"
            "  CALL  _PB_FreeObjects@0\n  CALL   dword [_PB_PrintN]\n  CALL   dword [_PB_PrintN]\n");
}

// Every call in the real x86 compiler's column: "CALL  _" for decorated
// symbols, "CALL   dword [_" for the pointer call; the list sorting adds the
// SimpleList library's internal entry point.
TEST(StandinAssembly, ListProgramForX86CallsInTheRealColumns) {
  SKIP_WITHOUT_STANDIN();
  ScopedEnv target("SPARLIN_STANDIN_TARGET", "x86");
  TempDir temp;
  RunResult run = CompileExample("sorted_list", "SortedList", temp.path(), " /CONSOLE");
  ASSERT_EQ(run.exit_code, 0u) << run.output;
  std::string assembly = ReadBytes(temp.path() / "PureBasic.asm");
  EXPECT_EQ(LinesStartingWith(assembly, "  CALL"),
            "  CALL  _memset\n  CALL  _GetModuleHandleW@4\n  CALL  _HeapCreate@12\n  CALL  _SYS_InitString@0\n"
            "  CALL  _PB_InitList@0\n  CALL  _PB_InitMemory@0\n  CALL  _PB_NewList@16\n"
            "  CALL  _PB_AddElement@4\n  CALL  _SYS_CopyString@0\n  CALL  _PB_AddElement@4\n"
            "  CALL  _SYS_CopyString@0\n  CALL  _PB_AddElement@4\n  CALL  _SYS_CopyString@0\n"
            "  CALL  _PB_SortList@8\n  CALL  _PB_SimpleList_Sort@4\n  CALL  _PB_OpenConsole@0\n"
            "  CALL   dword [_PB_PrintN]\n  CALL  _PB_CloseConsole@0\n  CALL  _PB_EndFunctions\n"
            "  CALL  _SYS_FreeStrings@0\n  CALL  _HeapDestroy@4\n  CALL  _ExitProcess@4\n"
            "  CALL  _PB_FreeMemorys@0\n  CALL  _PB_FreeObjects@0\n");
  EXPECT_EQ(LinesStartingWith(assembly, "extrn _PB_"),
            "extrn _PB_AddElement@4\nextrn _PB_CloseConsole@0\nextrn _PB_FreeMemorys@0\nextrn _PB_FreeObjects@0\n"
            "extrn _PB_InitList@0\nextrn _PB_InitMemory@0\nextrn _PB_NewList@16\nextrn _PB_OpenConsole@0\n"
            "extrn _PB_PrintN\nextrn _PB_SimpleList_Sort@4\nextrn _PB_SortList@8\nextrn _PB_StringBasePosition\n");
}

// Without SPARLIN_STANDIN_TARGET the IDE options that Sparlin appends to the
// file decide; the DLL example is an x86 DLL with its definition file.
TEST(StandinAssembly, DllWritesDefinitionFileThatNeedsTheFixUp) {
  SKIP_WITHOUT_STANDIN();
  TempDir temp;
  RunResult run = CompileExample("dll", "MathDll", temp.path(), " /DLL");
  ASSERT_EQ(run.exit_code, 0u) << run.output;
  std::string assembly = ReadBytes(temp.path() / "PureBasic.asm");
  EXPECT_EQ(AssemblyHeader(assembly).substr(HeaderTop("x86").size()),
            "; :DLL\n; Memory\n; Object\n; SimpleList\n; :System\n; kernel32.lib\n; msvcrt.lib\n"
            "; :Import\n; \nformat MS COFF\n");
  EXPECT_EQ(LinesStartingWith(assembly, "public _DLL") + LinesStartingWith(assembly, "public _Add") +
                LinesStartingWith(assembly, "public _Quad"),
            "public _DLLEntryPoint@12\npublic _AddNumbers@8\npublic _Quadruple@4\n");
  EXPECT_EQ(ReadBytes(temp.path() / "PureBasic.def"),
            "EXPORTS\n  \"AddNumbers\"=\"AddNumbers@8\"\n  \"Quadruple\"=\"Quadruple@4\"\n");

  // The linker wants the decorated symbols: as written the link fails...
  RunResult unfixed = Reassemble(temp.path(), "MathDll.dll", " /DLL");
  EXPECT_EQ(unfixed.exit_code, 1u);
  EXPECT_EQ(Lines(unfixed.output).back(), "POLINK: error: Unresolved external symbol 'AddNumbers@8'.");
  // ...and with "_" inserted after each "\"=\"" it succeeds.
  WriteBytes(temp.path() / "PureBasic.def",
             "EXPORTS\r\n  \"AddNumbers\"=\"_AddNumbers@8\"\r\n  \"Quadruple\"=\"_Quadruple@4\"");
  RunResult fixed = Reassemble(temp.path(), "MathDll.dll", " /DLL");
  EXPECT_EQ(fixed.exit_code, 0u) << fixed.output;
}

TEST(StandinAssembly, ImportLibrariesAreNamedByFullPath) {
  SKIP_WITHOUT_STANDIN();
  ScopedEnv target("SPARLIN_STANDIN_TARGET", "x64");
  TempDir temp;
  RunResult run = CompileExample("dll_user", "DllUser", temp.path(), " /CONSOLE");
  ASSERT_EQ(run.exit_code, 0u) << run.output;
  std::string assembly = ReadBytes(temp.path() / "PureBasic.asm");
  std::u8string lib = (fs::canonical(temp.path()) / "lib" / "helper.lib").u8string();
  std::string header = AssemblyHeader(assembly);
  size_t import = header.find("; :Import\n");
  ASSERT_NE(import, std::string::npos);
  EXPECT_EQ(header.substr(import), "; :Import\n; " + std::string(lib.begin(), lib.end()) + "\n; \nformat MS64 COFF\n");
  EXPECT_EQ(LinesStartingWith(assembly, "extrn Helper"), "extrn HelperValue\n");
  EXPECT_EQ(LinesStartingWith(assembly, "  CALL   Helper"), "  CALL   HelperValue\n");
}

TEST(StandinAssembly, MissingResourceFileFailsBothRuns) {
  SKIP_WITHOUT_STANDIN();
  TempDir temp;
  RunResult commented = CompileExample("version_info", "VersionInfo", temp.path(), " /RESOURCE \"nothere.rc\"");
  EXPECT_EQ(commented.exit_code, 1u);
  EXPECT_EQ(Lines(commented.output).back(), "Error: resource file not found: 'nothere.rc'.");
  RunResult good = RunCompiler(Quote(temp.path() / "VersionInfo_Sparl.pb") + " /COMMENTED /RESOURCE \"extra.rc\"",
                               temp.path());
  EXPECT_EQ(good.exit_code, 0u) << good.output;
  RunResult reasm = Reassemble(temp.path(), "VersionInfo.exe", " /RESOURCE \"nothere.rc\"");
  EXPECT_EQ(reasm.exit_code, 1u);
  EXPECT_FALSE(fs::exists(temp.path() / "VersionInfo.exe"));
}

}  // namespace
}  // namespace sparlin::testing::standin
