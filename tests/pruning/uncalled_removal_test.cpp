#include "pruning/uncalled_removal.h"

#include <gtest/gtest.h>

#include <map>

#include "asm_stage/asm_test_util.h"
#include "core/build_paths.h"
#include "support/fake_host.h"

namespace sparlin {
namespace {

using namespace std::string_literals;
using testing::Crlf;

constexpr char16_t kLibraryFolder[] = u"C:\\PB\\PureLibraries\\";

// A library file: some binary noise, the names between two "ERUP" lines.
std::string LibraryFile(const std::vector<std::string>& names) {
  std::string bytes = "PURE\0\x01\x02XX\0ERUP\0"s;
  for (const std::string& name : names) bytes += name + "\0"s;
  return bytes + "ERUP\0NotAName\0"s;
}

// One pruning run with in-memory library files and a real run log.
struct Pruner {
  std::map<UString, std::string> files;  // library name -> bytes
  PruningSettings settings;
  testing::FakeBuild build;
  int beeps = 0;

  void AddLibrary(const UString& name, const std::vector<std::string>& functions) {
    files[name] = LibraryFile(functions);
  }

  std::string Prune(std::vector<UString>& libraries, const std::string& text) {
    PruningIo io;
    io.read_file = [this](const UString& path, std::string& bytes) {
      if (!StartsWith(path, kLibraryFolder)) return false;
      auto found = files.find(path.substr(std::char_traits<char16_t>::length(kLibraryFolder)));
      if (found == files.end()) return false;
      bytes = found->second;
      return true;
    };
    io.log = [this](const UString& item) { build.log.Append(item); };
    io.progress = [this](int percent) { build.host.SetProgress(percent); };
    io.beep = [this] { ++beeps; };
    return RemoveUncalledLibraries(libraries, text, kLibraryFolder, settings, io);
  }

  std::string Log() const { return build.LogUtf8(); }
};

constexpr char kCalledHeader[] = "\t\u00B7  Called PB Functions\r\n";
constexpr char kFunctionsHeader[] = "\r\n\t\u00B7  Uncalled PB Functions Removed\r\n";
constexpr char kLibrariesHeader[] = "\r\n\t\u00B7  Uncalled PB Libraries Removed\r\n";

TEST(UncalledRemovalTest, CountsReportsAndCommentsOutUncalledDeclarations) {
  Pruner p;
  p.settings.is_64_bit = true;
  p.AddLibrary(u"Console", {"OpenConsole", "PrintN", "CloseConsole", "Input", "Str", "Val"});
  std::vector<UString> libraries = {u"Console", u"Missing"};
  std::string text = Crlf(
      "; Console\n"
      "; Missing\n"
      "format MS64 COFF\n"
      "extrn PB_OpenConsole\n"
      "extrn PB_PrintN\n"
      "extrn PB_CloseConsole\n"
      "extrn PB_Str_DOUBLE\n"
      "extrn PB_Val\n"
      "extrn PB_MissingThing\n"
      "PureBasicStart:\n"
      "  CALL   PB_OpenConsole\n"
      "  CALL   PB_PrintN\n"
      "  CALL   PB_PrintN\n"
      "  CALL   PB_Str_DOUBLE\n"
      "  CALL   qword [PB_Val]\n"
      "  CALL   PB_MissingThing\n");
  std::string pruned = p.Prune(libraries, text);

  // The missing library's file is absent: its header line and functions stay.
  EXPECT_EQ(pruned, Crlf("; Console\n"
                         "; Missing\n"
                         "format MS64 COFF\n"
                         "extrn PB_OpenConsole\n"
                         "extrn PB_PrintN\n"
                         "; extrn PB_CloseConsole\n"
                         "extrn PB_Str_DOUBLE\n"
                         "extrn PB_Val\n"
                         "extrn PB_MissingThing\n"
                         "PureBasicStart:\n"
                         "  CALL   PB_OpenConsole\n"
                         "  CALL   PB_PrintN\n"
                         "  CALL   PB_PrintN\n"
                         "  CALL   PB_Str_DOUBLE\n"
                         "  CALL   qword [PB_Val]\n"
                         "  CALL   PB_MissingThing\n"));
  EXPECT_EQ(p.Log(), std::string(kCalledHeader) +
                         "\r\n\t\tConsole: 5\r\n"
                         "\r\n\t\t\tPB_OpenConsole: 1"
                         "\r\n\t\t\tPB_PrintN: 2"
                         "\r\n\t\t\tPB_CloseConsole: 0"
                         "\r\n\t\t\tPB_Str: 1"
                         "\r\n\t\t\tPB_Val: 1"
                         "\r\n" +
                         kFunctionsHeader + "\r\n\t\tPB_CloseConsole\r\n" + kLibrariesHeader + "\r\n");
  EXPECT_EQ(libraries, (std::vector<UString>{u"Console", u"Missing"}));
  EXPECT_EQ(p.build.host.progress, (std::vector<int>{50, 54, 58, 62, 66}));
}

TEST(UncalledRemovalTest, X86IndirectCallIsCommentedOutInItsCountedForm) {
  Pruner p;
  p.AddLibrary(u"Vintage", {"InitVintage", "VintageA", "VintagePrint"});
  std::vector<UString> libraries = {u"Vintage"};
  // The shapes of the real x86 assembly: "extrn _PB_PrintN" with
  // "CALL   dword [_PB_PrintN]", and "extrn _PB_Delay@4".
  std::string pruned = p.Prune(libraries, Crlf("; Vintage\n"
                                               "format MS COFF\n"
                                               "extrn _PB_InitVintage\n"
                                               "extrn _PB_VintageA@4\n"
                                               "extrn _PB_VintagePrint\n"
                                               "PureBasicStart:\n"
                                               "  CALL   dword [_PB_InitVintage]\n"
                                               "  RET\n"));
  // The declaration forms that are commented out are "extrn _F@" and
  // "extrn F": a bare "extrn _F" stays, unused once its call is gone.
  EXPECT_EQ(pruned, Crlf("format MS COFF\n"
                         "extrn _PB_InitVintage\n"
                         "; extrn _PB_VintageA@4\n"
                         "extrn _PB_VintagePrint\n"
                         "PureBasicStart:\n"
                         "  ; CALL   dword [_PB_InitVintage]\n"
                         "  RET\n"));
  EXPECT_EQ(p.Log(), std::string(kCalledHeader) +
                         "\r\n\t\tVintage: 3\r\n"
                         "\r\n\t\t\tPB_InitVintage: 1"
                         "\r\n\t\t\tPB_VintageA: 0"
                         "\r\n\t\t\tPB_VintagePrint: 0"
                         "\r\n" +
                         kFunctionsHeader +
                         "\r\n\t\tPB_VintageA"
                         "\r\n\t\tPB_VintagePrint"
                         "\r\n\t\tPB_InitVintage\r\n" +
                         kLibrariesHeader + "\r\n\t\tVintage\r\n\r\n");
  EXPECT_TRUE(libraries.empty());
}

TEST(UncalledRemovalTest, X86DirectCallsAndVariants) {
  Pruner p;
  p.settings.is_64_bit = false;
  p.AddLibrary(u"Thread", {"InitThread", "FreeThreads", "CreateThread"});
  std::vector<UString> libraries = {u"Thread"};
  std::string pruned = p.Prune(libraries, Crlf("; Thread\n"
                                               "format MS COFF\n"
                                               "extrn _PB_InitThread@0\n"
                                               "extrn _PB_FreeThreads_THREAD@0\n"
                                               "extrn PB_CreateThread\n"
                                               "PureBasicStart:\n"
                                               "  CALL  _PB_InitThread@0\n"
                                               "  CALL   PB_CreateThread\n"
                                               "_PB_EndFunctions:\n"
                                               "  CALL  _PB_FreeThreads_THREAD@0\n"));
  // Three symbols stay: nothing is removed.
  EXPECT_EQ(pruned, Crlf("; Thread\n"
                         "format MS COFF\n"
                         "extrn _PB_InitThread@0\n"
                         "extrn _PB_FreeThreads_THREAD@0\n"
                         "extrn PB_CreateThread\n"
                         "PureBasicStart:\n"
                         "  CALL  _PB_InitThread@0\n"
                         "  CALL   PB_CreateThread\n"
                         "_PB_EndFunctions:\n"
                         "  CALL  _PB_FreeThreads_THREAD@0\n"));
  EXPECT_EQ(p.Log(), std::string(kCalledHeader) +
                         "\r\n\t\tThread: 3\r\n"
                         "\r\n\t\t\tPB_InitThread: 1"
                         "\r\n\t\t\tPB_FreeThreads: 1"
                         "\r\n\t\t\tPB_CreateThread: 1"
                         "\r\n" +
                         kFunctionsHeader + "\r\n" + kLibrariesHeader + "\r\n");
}

// A 64-bit text around one library L: its header line, one declaration and
// one call of each symbol, then `tail`.
std::string OneLibraryText(const std::vector<std::string>& symbols, const std::string& tail) {
  std::string text = "; L\nformat MS64 COFF\n";
  for (const std::string& f : symbols) text += "extrn " + f + "\n";
  text += "PureBasicStart:\n";
  for (const std::string& f : symbols) text += "  CALL   " + f + "\n";
  return Crlf(text + tail);
}

std::string WithoutLibrary(const std::vector<std::string>& symbols, const std::string& tail) {
  std::string text = "format MS64 COFF\n";
  for (const std::string& f : symbols) text += "; extrn " + f + "\n";
  text += "PureBasicStart:\n";
  for (const std::string& f : symbols) text += "  ; CALL   " + f + "\n";
  return Crlf(text + tail);
}

struct LastSymbolCase {
  std::string symbol;
  std::string tail;
  std::vector<UString> more_libraries;
  bool by_extension;
  bool kept;
};

TEST(UncalledRemovalTest, LastStartUpSymbolOfALibrary) {
  const std::vector<LastSymbolCase> cases = {
      {"PB_InitDummy", "", {}, false, false},
      {"PB_FreeDummy", "", {}, false, false},
      {"PB_UseBMPImageDecoder", "", {u"ImagePluginBMP"}, false, false},  // not the BMP plugin's name
      {"PB_OpenWindow", "", {}, false, true},                            // not a start-up symbol
      {"PB_UseDummy", "", {}, false, true},
      {"PB_InitImageDecoder", "", {}, false, true},  // its own declaration names "extrn PB_InitImage"
      {"PB_UseGIFImageEncoder", "", {}, false, true},
      {"PB_InitArray", "extrn SYS_AllocateArray\n", {}, false, true},
      {"PB_InitArray", "extrn _SYS_AllocateArray@8\n", {}, false, true},
      {"PB_InitArray", "; SYS_AllocateArray\n", {}, false, false},
      {"PB_InitRuntime", "extrn PB_Runtime_AddInteger\n", {}, false, true},
      {"PB_InitRuntime", "extrn _PB_Runtime_AddInteger@8\n", {}, false, true},
      {"PB_InitRuntime", "", {}, false, false},
      {"PB_InitGadget", "extrn PB_ScintillaGadget\n", {}, false, true},
      {"PB_InitGadget", "extrn PB_OpenWindow\n", {}, false, true},
      {"PB_InitGadget", "extrn _PB_ScintillaGadget@8\n", {}, false, true},
      {"PB_InitGadget", "extrn _PB_OpenWindow@28\n", {}, false, true},
      {"PB_InitGadget", "  CALL   PB_OpenWindow\n", {}, false, false},
      {"PB_UsePNGImageDecoder", "", {u"ImagePluginPNG"}, false, true},
      {"PB_UsePNGImageDecoder", "", {u"ImagePluginPNG"}, true, false},
      {"PB_UsePNGImageDecoder", "; \"a.png\"\n", {u"ImagePluginPNG"}, true, true},
      {"PB_InitBMPImagePlugin", "", {u"ImagePluginBMP"}, false, true},
  };
  for (const LastSymbolCase& c : cases) {
    SCOPED_TRACE(c.symbol + " / " + c.tail);
    Pruner p;
    p.settings.is_64_bit = true;
    p.settings.remove_plugins_by_extension = c.by_extension;
    p.AddLibrary(u"L", {c.symbol.substr(3)});
    std::vector<UString> libraries = {u"L"};
    libraries.insert(libraries.end(), c.more_libraries.begin(), c.more_libraries.end());
    std::string pruned = p.Prune(libraries, OneLibraryText({c.symbol}, c.tail));
    if (c.kept) {
      EXPECT_EQ(pruned, OneLibraryText({c.symbol}, c.tail));
      EXPECT_EQ(libraries.front(), u"L");
    } else {
      EXPECT_EQ(pruned, WithoutLibrary({c.symbol}, c.tail));
      EXPECT_EQ(libraries, c.more_libraries);
    }
  }
}

TEST(UncalledRemovalTest, InitImageDecoderWithoutDeclarationDependsOnThePlugins) {
  // Counted through two calls alone, nothing declares "PB_InitImage...".
  const std::string text = Crlf("; L\nformat MS64 COFF\n  CALL   PB_InitImageDecoder\n  CALL   PB_InitImageDecoder\n");
  Pruner none;
  none.settings.is_64_bit = true;
  none.AddLibrary(u"L", {"InitImageDecoder"});
  std::vector<UString> libraries = {u"L"};
  EXPECT_EQ(none.Prune(libraries, text),
            Crlf("format MS64 COFF\n  ; CALL   PB_InitImageDecoder\n  ; CALL   PB_InitImageDecoder\n"));

  Pruner gif;
  gif.settings.is_64_bit = true;
  gif.AddLibrary(u"L", {"InitImageDecoder"});
  libraries = {u"ImagePluginGIF", u"L"};
  EXPECT_EQ(gif.Prune(libraries, text), text);
}

struct TwoSymbolCase {
  std::string init;
  std::string cleanup;
  std::string tail;
  UString dpi_aware;
  std::vector<UString> more_libraries;
  bool kept;
};

TEST(UncalledRemovalTest, StartUpAndCleanUpPairOfALibrary) {
  const std::string behind = "PB_EndFunctions:\n";
  const std::vector<TwoSymbolCase> cases = {
      {"PB_InitL", "PB_FreeL", "", u"", {}, false},
      {"PB_InitL", "PB_EndL", "", u"", {}, false},
      {"PB_InitL", "PB_OpenL", "", u"", {}, true},
      {"PB_InitDesktop", "PB_FreeDesktop", "", u" /DPIAWARE", {}, true},
      {"PB_InitDesktop", "PB_FreeDesktop", "", u"   ", {}, false},
      {"PB_InitGadget", "PB_FreeGadgets", "extrn PB_OpenWindow\n", u"", {}, true},
      {"PB_InitAlphaImage", "PB_EndAlphaImage", "", u"", {u"ImagePluginPNG"}, true},
      {"PB_InitAlphaImage", "PB_EndAlphaImage", "", u"", {u"ImagePluginJPEG"}, false},
      {"PB_InitArray", "PB_FreeArray", "extrn SYS_AllocateArray\n", u"", {}, true},
      {"PB_InitMemory", "PB_FreeMemorys", "", u"", {}, true},
      {"PB_InitSprite", "PB_FreeSprites", "", u"", {}, true},
  };
  for (const TwoSymbolCase& c : cases) {
    SCOPED_TRACE(c.init + " + " + c.cleanup);
    Pruner p;
    p.settings.is_64_bit = true;
    p.settings.dpi_aware_switch = c.dpi_aware;
    p.AddLibrary(u"L", {c.init.substr(3), c.cleanup.substr(3)});
    std::vector<UString> libraries = {u"L"};
    libraries.insert(libraries.end(), c.more_libraries.begin(), c.more_libraries.end());
    // The start-up call comes first, the clean-up call behind the label.
    std::string text = Crlf("; L\nformat MS64 COFF\nextrn " + c.init + "\nextrn " + c.cleanup +
                            "\nPureBasicStart:\n  CALL   " + c.init + "\n" + behind + "  CALL   " + c.cleanup +
                            "\n" + c.tail);
    std::string pruned = p.Prune(libraries, text);
    if (c.kept) {
      EXPECT_EQ(pruned, text);
    } else {
      EXPECT_EQ(pruned, Crlf("format MS64 COFF\n; extrn " + c.init + "\n; extrn " + c.cleanup +
                             "\nPureBasicStart:\n  ; CALL   " + c.init + "\n" + behind + "  ; CALL   " + c.cleanup +
                             "\n" + c.tail));
      EXPECT_EQ(libraries, c.more_libraries);
    }
  }
}

TEST(UncalledRemovalTest, PairDroppedOnceWithItsLog) {
  Pruner p;
  p.settings.is_64_bit = true;
  p.AddLibrary(u"Font", {"InitFont", "FreeFonts", "LoadFont"});
  std::vector<UString> libraries = {u"Font", u"Font"};
  std::string pruned = p.Prune(libraries, Crlf("; Font\n"
                                               "format MS64 COFF\n"
                                               "extrn PB_InitFont\n"
                                               "extrn PB_FreeFonts\n"
                                               "extrn PB_LoadFont\n"
                                               "PureBasicStart:\n"
                                               "  CALL   PB_InitFont\n"
                                               "PB_EndFunctions:\n"
                                               "  CALL   PB_FreeFonts\n"));
  // Listed twice in the header list, dropped and listed once.
  EXPECT_EQ(pruned, Crlf("format MS64 COFF\n"
                         "; extrn PB_InitFont\n"
                         "; extrn PB_FreeFonts\n"
                         "; extrn PB_LoadFont\n"
                         "PureBasicStart:\n"
                         "  ; CALL   PB_InitFont\n"
                         "PB_EndFunctions:\n"
                         "  ; CALL   PB_FreeFonts\n"));
  EXPECT_EQ(p.Log(), std::string(kCalledHeader) +
                         "\r\n\t\tFont: 3\r\n"
                         "\r\n\t\t\tPB_InitFont: 1"
                         "\r\n\t\t\tPB_FreeFonts: 1"
                         "\r\n\t\t\tPB_LoadFont: 0"
                         "\r\n" +
                         kFunctionsHeader +
                         "\r\n\t\tPB_LoadFont"
                         "\r\n\t\tPB_InitFont"
                         "\r\n\t\tPB_FreeFonts\r\n" +
                         kLibrariesHeader + "\r\n\t\tFont\r\n\r\n");
  EXPECT_TRUE(libraries.empty());
}

TEST(UncalledRemovalTest, CleanUpSymbolBeforeTheEndLabelKeepsThePair) {
  Pruner p;
  p.settings.is_64_bit = true;
  p.AddLibrary(u"L", {"InitL", "FreeL"});
  std::vector<UString> libraries = {u"L"};
  std::string text = Crlf(
      "; L\nformat MS64 COFF\nextrn PB_InitL\nextrn PB_FreeL\nPureBasicStart:\n  CALL   PB_InitL\n"
      "  CALL   PB_FreeL\nPB_EndFunctions:\n  RET\n");
  EXPECT_EQ(p.Prune(libraries, text), text);

  // Without the label every occurrence from the 16th character on counts.
  Pruner no_label;
  no_label.settings.is_64_bit = true;
  no_label.AddLibrary(u"L", {"InitL", "FreeL"});
  std::string unlabelled = Crlf("; L\nformat MS64 COFF\nextrn PB_InitL\nextrn PB_FreeL\n  CALL   PB_InitL\n"
                                "  CALL   PB_FreeL\n");
  EXPECT_EQ(no_label.Prune(libraries, unlabelled),
            Crlf("format MS64 COFF\n; extrn PB_InitL\n; extrn PB_FreeL\n  ; CALL   PB_InitL\n  ; CALL   PB_FreeL\n"));
}

TEST(UncalledRemovalTest, SimpleListHelpersKeepTheLibrary) {
  const std::string helpers = Crlf("; SimpleList\nformat MS64 COFF\n  CALL   PB_SimpleList_Sort\n");
  Pruner kept;
  kept.AddLibrary(u"SimpleList", {"SimpleListAdd"});
  std::vector<UString> libraries = {u"SimpleList"};
  EXPECT_EQ(kept.Prune(libraries, helpers), helpers);
  EXPECT_EQ(kept.beeps, 1);
  EXPECT_EQ(libraries, (std::vector<UString>{u"SimpleList"}));
  EXPECT_EQ(kept.Log(), std::string(kCalledHeader) + "\r\n\t\tSimpleList: 0\r\n" + kFunctionsHeader + "\r\n" +
                            kLibrariesHeader + "\r\n");

  Pruner dropped;
  dropped.AddLibrary(u"SimpleList", {"SimpleListAdd"});
  EXPECT_EQ(dropped.Prune(libraries, Crlf("; SimpleList\nformat MS64 COFF\n  RET\n")), Crlf("format MS64 COFF\n  RET\n"));
  EXPECT_EQ(dropped.beeps, 0);
  EXPECT_TRUE(libraries.empty());
  EXPECT_EQ(dropped.Log(), std::string(kCalledHeader) + "\r\n\t\tSimpleList: 0\r\n" + kFunctionsHeader + "\r\n" +
                               kLibrariesHeader + "\r\n\t\tSimpleList\r\n\r\n");
}

TEST(UncalledRemovalTest, FirstSweepDropsAnEmptiedLibraryOnlyWhenItIsTheOnlyOne) {
  const std::string cipher = "; Cipher\n; Console\nformat MS64 COFF\nextrn PB_MD5Fingerprint\nextrn PB_Base64Encoder\n";
  Pruner alone;
  alone.settings.is_64_bit = true;
  alone.AddLibrary(u"Cipher", {"MD5Fingerprint", "Base64Encoder"});
  std::vector<UString> libraries = {u"Cipher", u"Console"};
  EXPECT_EQ(alone.Prune(libraries, Crlf(cipher)),
            Crlf("; Console\nformat MS64 COFF\n; extrn PB_MD5Fingerprint\n; extrn PB_Base64Encoder\n"));
  EXPECT_EQ(libraries, (std::vector<UString>{u"Console"}));

  Pruner two;
  two.settings.is_64_bit = true;
  two.AddLibrary(u"Cipher", {"MD5Fingerprint", "Base64Encoder"});
  two.AddLibrary(u"Console", {"PrintN"});
  libraries = {u"Cipher", u"Console"};
  const std::string with_console = cipher + "extrn PB_PrintN\n  CALL   PB_PrintN\n";
  EXPECT_EQ(two.Prune(libraries, Crlf(with_console)),
            Crlf("; Cipher\n; Console\nformat MS64 COFF\n; extrn PB_MD5Fingerprint\n; extrn PB_Base64Encoder\n"
                 "extrn PB_PrintN\n  CALL   PB_PrintN\n"));
  EXPECT_EQ(libraries, (std::vector<UString>{u"Cipher", u"Console"}));
}

TEST(UncalledRemovalTest, EmptyLibraryTableLeavesTheTextAlone) {
  Pruner p;
  std::vector<UString> libraries = {u"ImagePluginPNG", u"Missing"};
  const std::string text = Crlf("; ImagePluginPNG\n; Missing\nformat MS64 COFF\n");
  EXPECT_EQ(p.Prune(libraries, text), text);
  EXPECT_EQ(p.Log(), std::string(kCalledHeader) + "\r\n\t\u00B7  PNG de/encoder detected\r\n" + kFunctionsHeader +
                         kLibrariesHeader + "\r\n");
  EXPECT_EQ(libraries, (std::vector<UString>{u"ImagePluginPNG", u"Missing"}));
}

TEST(UncalledRemovalTest, LibraryFolder) {
  EXPECT_EQ(LibraryFolderOf(u"C:\\PureBasic\\Compilers\\"), u"C:\\PureBasic\\PureLibraries\\");
  EXPECT_EQ(LibraryFolderOf(u"Compilers\\"), u"PureLibraries\\");
}

}  // namespace
}  // namespace sparlin
