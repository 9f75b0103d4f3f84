#include "asm_stage/assembly_text_pass.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "asm_format/assembly_lines.h"
#include "asm_stage/asm_test_util.h"
#include "oracle/literal_assembly_pass.h"

namespace sparlin {
namespace {

using testing::Crlf;
using testing::LinesOf;

AsmPassOptions CreatedDefaults() {
  AsmPassOptions options;
  options.remove_empty = options.remove_comments = options.remove_absolute_paths = options.remove_uncalled = true;
  return options;
}

std::string ReadCorpus(const std::string& name) {
  std::ifstream in(std::string(SPARLIN_CORPUS_DIR) + "/asm/" + name, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

// The head of the real x64 DialogManager assembly, with a source line that
// names a file of the source folder and a few hand-made lines of the kinds
// that the rules treat specially.
constexpr char kX64Excerpt[] =
    "; \n"
    "; PureBasic 5.70 LTS beta 3 (Windows - x64) generated code\n"
    "; \n"
    "; (c) 2018 Fantaisie Software\n"
    "; \n"
    "; The header must remain intact for Re-Assembly\n"
    "; \n"
    "; String\n"
    "; Requester\n"
    "; Console\n"
    "; :System\n"
    "; expat.lib\n"
    "; kernel32.lib\n"
    "; :Import\n"
    "; \n"
    "format MS64 COFF\n"
    "; \n"
    "; \n"
    "extrn PB_OpenConsole\n"
    "extrn PB_PrintN\n"
    "extrn ExitProcess\n"
    "extrn memset\n"
    "extrn pb_XML_ParserFree\n"
    "extrn SYS_InitString\n"
    "public PureBasicStart\n"
    "; \n"
    "section '.code' code readable executable align 4096\n"
    "; \n"
    "PureBasicStart:\n"
    "; \n"
    "  SUB    rsp,40\n"
    "  CALL   PB_OpenConsole\n"
    "; PrintN(\"C:\\Src\\data.txt\")\n"
    "  LEA    rcx,[_S1]   ; C:\\Src\\data.txt and c:\\src\\more\n"
    "  LEA    rdx,[_S2]   ; c:\\src\\only.txt\n"
    "  CALL   PB_PrintN    \n"
    "\n"
    "   \n"
    "\t\n"
    "  ;    indented comment\n"
    "  RET\n"
    "section '.data' data readable writeable\n"
    "_PB_DataSection:\n"
    "pb_align 8\n"
    "public _SYS_StaticStringStart\n"
    "_SYS_StaticStringStart:\n"
    "_S1: dw 67,58,92,83,114,99,92,100,97,116,97,46,116,120,116,0\n"
    "_S2: dw 99,58,92,115,114,99,92,0\n"
    "  _S3: dw 67,58,92,83,114,99,92,120,0\n"
    "_S108: dw 34,0\n"
    "public _SYS_StaticStringEnd\n"
    "_SYS_StaticStringEnd:\n"
    "_S9: dw 67,58,92,83,114,99,92,0\n"
    "_SYS_StaticStringStart:\n"
    "_S10: dw 67,58,92,83,114,99,92,0\n";

TEST(AssemblyTextPassTest, X64WithTheCreatedSettings) {
  AsmValues assembly;
  AsmBytesPassResult result = RewriteAssemblyBytes(Crlf(kX64Excerpt), CreatedDefaults(), u"C:\\Src\\", assembly);

  EXPECT_EQ(result.text, Crlf(";\n"
                                          "; PureBasic 5.70 LTS beta 3 (Windows - x64) generated code\n"
                                          ";\n"
                                          "; (c) 2018 Fantaisie Software\n"
                                          ";\n"
                                          "; The header must remain intact for Re-Assembly\n"
                                          ";\n"
                                          "; String\n"
                                          "; Requester\n"
                                          "; Console\n"
                                          "; :System\n"
                                          "; expat.lib\n"
                                          "; kernel32.lib\n"
                                          "; :Import\n"
                                          ";\n"
                                          "format MS64 COFF\n"
                                          "extrn PB_OpenConsole\n"
                                          "extrn PB_PrintN\n"
                                          "extrn ExitProcess\n"
                                          "extrn memset\n"
                                          "extrn pb_XML_ParserFree\n"
                                          "extrn SYS_InitString\n"
                                          "public PureBasicStart\n"
                                          "section '.code' code readable executable align 4096\n"
                                          "PureBasicStart:\n"
                                          "  SUB    rsp,40\n"
                                          "  CALL   PB_OpenConsole\n"
                                          "  LEA    rcx,[_S1]   ; data.txt and more\n"
                                          "  LEA    rdx,[_S2]   ; c:\\src\\only.txt\n"
                                          "  CALL   PB_PrintN\n"
                                          "\t\n"
                                          "  ;    indented comment\n"
                                          "  RET\n"
                                          "section '.data' data readable writeable\n"
                                          "_PB_DataSection:\n"
                                          "pb_align 8\n"
                                          "public _SYS_StaticStringStart\n"
                                          "_SYS_StaticStringStart:\n"
                                          "_S1: dw 100,97,116,97,46,116,120,116,0\n"
                                          "_S2: dw 99,58,92,115,114,99,92,0\n"
                                          "_S3: dw 120,0\n"
                                          "_S108: dw 34,0\n"
                                          "public _SYS_StaticStringEnd\n"
                                          "_SYS_StaticStringEnd:\n"
                                          "_S9: dw 67,58,92,83,114,99,92,0\n"
                                          "_SYS_StaticStringStart:\n"
                                          "_S10: dw 67,58,92,83,114,99,92,0\n"));
  EXPECT_EQ(result.empty_lines_removed, 2);
  EXPECT_EQ(result.comments_removed, 6);
  EXPECT_EQ(result.paths_removed, 1);
  EXPECT_EQ(EncodeUtf8(CalledFunctionsSummary(result)),
            "\t\u00B7  Called WinAPI Functions: 3\r\n\r\n\t\tExitProcess\r\n\t\tmemset\r\n\t\tpb_XML_ParserFree\r\n");
  EXPECT_EQ(assembly.ImportedLibraries, (std::vector<UString>{u"String", u"Requester", u"Console"}));
  EXPECT_EQ(assembly.Is64Bit, 1);
  EXPECT_TRUE(assembly.EntryLabelSeen);
  EXPECT_FALSE(result.failed);
}

TEST(AssemblyTextPassTest, X86WithInsertedLinesAndRemovalOff) {
  // From the real x86 DialogManager assembly, shortened.
  constexpr char kX86[] =
      "; \n"
      "; PureBasic 4.50 Alpha 1 (Windows - x86) generated code\n"
      "; String\n"
      "format MS COFF\n"
      "; \n"
      "extrn _ExitProcess@4\n"
      "extrn _XML_ParserFree\n"
      "extrn _PB_PrintN\n"
      "extrn _SYS_InitString@0\n"
      "extrn _ExitProcess@4\n"
      "public PureBasicStart\n"
      "section '.code' code readable executable align 8\n"
      "PureBasicStart:\n"
      "; \n"
      "  CALL  _GetModuleHandleA@4\n"
      "\n"
      "  CALL   dword [_PB_PrintN]\n"
      "PureBasicStart_Again:\n"
      "section '.data' data readable writeable\n"
      "_S1: dw 65,0\n";
  AsmPassOptions options;
  options.empty_lines = 2;
  options.nop_lines = 1;
  AsmValues assembly;
  assembly.Is64Bit = 1;  // set by the format line of this file
  AsmBytesPassResult result = RewriteAssemblyBytes(Crlf(kX86), options, u"C:\\Src\\", assembly);

  const std::string inserted = "\r\r  NOP\r\n";
  EXPECT_EQ(result.text, Crlf(";\n"
                                          "; PureBasic 4.50 Alpha 1 (Windows - x86) generated code\n"
                                          "; String\n"
                                          "format MS COFF\n"
                                          ";\n"
                                          "extrn _ExitProcess@4\n"
                                          "extrn _XML_ParserFree\n"
                                          "extrn _PB_PrintN\n"
                                          "extrn _SYS_InitString@0\n"
                                          "extrn _ExitProcess@4\n"
                                          "public PureBasicStart\n"
                                          "section '.code' code readable executable align 8\n"
                                          "PureBasicStart:\n") +
                                         ";\r\n" + inserted + "  CALL  _GetModuleHandleA@4\r\n" + inserted + "\r\n" +
                                         inserted + "  CALL   dword [_PB_PrintN]\r\n" + inserted +
                                         "PureBasicStart_Again:\r\n" + inserted +
                                         "section '.data' data readable writeable\r\n_S1: dw 65,0\r\n");
  EXPECT_EQ(result.empty_lines_removed, 0);
  EXPECT_EQ(result.comments_removed, 0);
  EXPECT_EQ(result.paths_removed, 0);
  EXPECT_EQ(EncodeUtf8(CalledFunctionsSummary(result)),
            "\t\u00B7  Called WinAPI Functions: 3\r\n\r\n\t\tExitProcess\r\n\t\tXML_ParserFree\r\n\t\tExitProcess\r\n");
  EXPECT_TRUE(assembly.ImportedLibraries.empty());
  EXPECT_EQ(assembly.Is64Bit, 0);
}

TEST(AssemblyTextPassTest, NoEntryLabelMeansNoInsertedLines) {
  AsmPassOptions options;
  options.empty_lines = 3;
  options.nop_lines = 2;
  AsmValues assembly;
  AsmBytesPassResult result =
      RewriteAssemblyBytes(Crlf("format MS64 COFF\n  RET\nsection '.data' data\n  NOP\n"), options, u"", assembly);
  EXPECT_EQ(result.text, Crlf("format MS64 COFF\n  RET\nsection '.data' data\n  NOP\n"));
  EXPECT_FALSE(assembly.EntryLabelSeen);
}

TEST(AssemblyTextPassTest, HeaderLibraryNamesAndDeclaredFunctions) {
  constexpr char kHeader[] =
      ";\n"
      "; Gadget\n"
      ";  Twice\n"            // two blanks: the second word is empty
      "; Gadget extra\n"      // the second word is Gadget again
      "; :Import\n"
      "; (c) 2018\n"
      "; The header\n"
      "; PureBasicIDE\n"
      "; user32.lib\n"
      "; Window.libs\n"
      "\t; Tabbed\n"          // does not begin with ";"
      "format MS64 COFF\n"
      "; Menu\n"              // after the format line: no library
      "extrn _MessageBoxW@16\n"
      "extrn _PB_Foo\n"
      "extrn SYS_Bar\n"
      "extrn __imp@4\n"
      "extrn  Spaced\n"       // two blanks: empty word, nothing listed
      "extrn @Only\n";        // nothing before the "@"
  AsmPassOptions options;
  options.remove_uncalled = true;
  AsmValues assembly;
  AsmBytesPassResult result = RewriteAssemblyBytes(Crlf(kHeader), options, u"", assembly);
  EXPECT_EQ(assembly.ImportedLibraries, (std::vector<UString>{u"Gadget", u"Gadget", u"Window.libs"}));
  EXPECT_EQ(EncodeUtf8(CalledFunctionsSummary(result)),
            "\t\u00B7  Called WinAPI Functions: 2\r\n\r\n\t\tMessageBoxW\r\n\t\timp\r\n");
}

TEST(AssemblyTextPassTest, ImportedLibrariesAreListedSorted) {
  EXPECT_EQ(EncodeUtf8(ImportedLibrariesSummary({})), "\t\u00B7  Imported PB Libraries: 0\r\n");
  std::vector<UString> libraries = {u"String", u"Console", u"SimpleList", u"2DDrawing", u"Sprite3D", u"String"};
  SortLibraryNames(libraries);
  EXPECT_EQ(EncodeUtf8(ImportedLibrariesSummary(libraries)),
            "\t\u00B7  Imported PB Libraries: 6\r\n\r\n\t\t2DDrawing\r\n\t\tConsole\r\n\t\tSimpleList\r\n"
            "\t\tSprite3D\r\n\t\tString\r\n\t\tString\r\n");
}

TEST(AssemblyTextPassTest, RealAssemblyFiles) {
  // x64: with every rule off, only the line ends and trailing blanks change.
  std::string x64 = ReadCorpus("win-x64__pb570b3__DialogManager__PureBasic.asm");
  ASSERT_FALSE(x64.empty());
  AsmValues assembly;
  AsmPassOptions off;
  off.remove_uncalled = true;
  AsmBytesPassResult result = RewriteAssemblyBytes(x64, off, u"", assembly);
  // The file's lines end in "\n"; trailing blanks are cut by hand here.
  ASSERT_EQ(x64.find('\r'), std::string::npos);
  std::string expected;
  size_t start = 0;
  while (start < x64.size()) {
    size_t end = std::min(x64.find('\n', start), x64.size());
    std::string line = x64.substr(start, end - start);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    expected += line + "\r\n";
    start = end + 1;
  }
  EXPECT_TRUE(result.text == expected);
  EXPECT_EQ(assembly.ImportedLibraries,
            (std::vector<UString>{u"String", u"Requester", u"Process", u"Cipher", u"Memory", u"LinkedList",
                                  u"FileSystem", u"Date", u"File", u"Object", u"SimpleList", u"Console"}));
  EXPECT_EQ(assembly.Is64Bit, 1);

  // x86: the external functions of its header.
  AsmValues x86_assembly;
  AsmBytesPassResult x86 = RewriteAssemblyBytes(ReadCorpus("win-x86__pb450a1__DialogManager__PureBasic4.50.asm"),
                                          CreatedDefaults(), u"C:\\Src\\", x86_assembly);
  EXPECT_EQ(EncodeUtf8(CalledFunctionsSummary(x86)),
            "\t\u00B7  Called WinAPI Functions: 13\r\n\r\n\t\tExitProcess\r\n\t\tGetModuleHandleA\r\n"
            "\t\tHeapCreate\r\n\t\tHeapDestroy\r\n\t\tXML_ErrorString\r\n\t\tXML_GetCurrentLineNumber\r\n"
            "\t\tXML_GetErrorCode\r\n\t\tXML_Parse\r\n\t\tXML_ParserCreate\r\n\t\tXML_ParserFree\r\n"
            "\t\tXML_SetEndElementHandler\r\n\t\tXML_SetStartElementHandler\r\n\t\tmemset\r\n");
  EXPECT_EQ(x86_assembly.ImportedLibraries,
            (std::vector<UString>{u"String", u"Requester", u"Process", u"Cipher", u"Misc", u"Memory", u"LinkedList",
                                  u"FileSystem", u"Date", u"File", u"Object", u"SimpleList", u"Console", u"EXPAT",
                                  u"KERNEL32"}));
  EXPECT_EQ(x86_assembly.Is64Bit, 0);
  EXPECT_TRUE(x86_assembly.EntryLabelSeen);
}

// The pass over the file's bytes against the line rules read one by one over
// its UTF-16 lines: the same text, counts, lists and values for every option
// set, folder and length limit, for ASCII files and for files with other
// characters (in comments, strings, names and paths, and bytes that are not
// UTF-8).
TEST(AssemblyTextPassTest, TheBytePassEqualsTheLiteralPass) {
  std::vector<std::string> inputs = {kX64Excerpt, "a  \r\n\r\nb\rc\n\n  ; d \r\nformat MS64 COFF\r\n", "",
                                     "PureBasicStart:\r\n\r\n  RET\r\n"};
  for (const char* name : {"win-x64__pb570b3__DialogManager__PureBasic.asm", "win-x64__pb570b3__PureBasicIDE__PureBasic.asm",
                           "win-x86__pb450a1__DialogManager__PureBasic4.50.asm"}) {
    inputs.push_back(ReadCorpus(name));
  }
  const std::string x64 = inputs[4];
  const size_t format = x64.find("format MS64");
  inputs.push_back(x64.substr(0, format) + "; \xC3\x9C" "bung\r\n" + x64.substr(format) +
                   "; C:\\\xC3\x9C" "bung\\x.pb \xF0\x9F\x98\x80 \xC3\r\nextrn \xC3\xA9t\xC3\xA9\r\n");
  inputs.push_back("; Lib\xC3\xA4\r\nformat MS64 COFF\r\n  ; C:\\Src\\a \xE2\x82\r\nPureBasicStart:\r\n  RET\r\n"
                   "  MOV rax, 1 ; C:\\\xC3\x9C" "bung\\ \r\nsection '.data' data readable writeable\r\n");
  AsmPassOptions inserting;
  inserting.empty_lines = 2;
  inserting.nop_lines = 1;
  inserting.remove_uncalled = true;
  for (const std::string& input : inputs) {
    for (const AsmPassOptions& options : {AsmPassOptions(), CreatedDefaults(), inserting}) {
      for (UStringView folder : {UStringView(u"C:\\Src\\"), UStringView(u"C:\\\u00DCbung\\"), UStringView(u"")}) {
        for (int64_t max_length : {int64_t{INT32_MAX}, int64_t{40000}}) {
          AsmValues literal_values, byte_values;
          oracle::LiteralAsmPass literal =
              oracle::LiteralRewriteAssembly(DecodeUtf8(input), options, folder, literal_values, max_length);
          AsmBytesPassResult bytes = RewriteAssemblyBytes(input, options, folder, byte_values, {max_length, 0});
          SCOPED_TRACE(input.substr(0, 40) + " / " + Utf8(folder) + " / " + std::to_string(max_length));
          EXPECT_EQ(bytes.failed, literal.failed);
          if (!literal.failed) {
            EXPECT_EQ(bytes.text, EncodeUtf8(literal.text));
          }
          EXPECT_EQ(bytes.empty_lines_removed, literal.empty_lines_removed);
          EXPECT_EQ(bytes.comments_removed, literal.comments_removed);
          EXPECT_EQ(bytes.paths_removed, literal.paths_removed);
          EXPECT_EQ(bytes.called_functions, literal.called_functions);
          EXPECT_EQ(bytes.called_function_count, literal.called_function_count);
          EXPECT_EQ(byte_values.ImportedLibraries, literal_values.ImportedLibraries);
          EXPECT_EQ(byte_values.Is64Bit, literal_values.Is64Bit);
          EXPECT_EQ(byte_values.EntryLabelSeen, literal_values.EntryLabelSeen);
        }
      }
    }
  }
}

}  // namespace
}  // namespace sparlin
