// The removal rules of library pruning, one input each, with the whole
// pruned text, every run-log item and the library list written out: the
// counting forms, the first sweep, the one-symbol and two-symbol rules, the
// SimpleList rule and the cleaning of the names read from library files.
#include <gtest/gtest.h>

#include <map>

#include "pruning/uncalled_removal.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

using namespace std::string_literals;
using Items = std::vector<std::string>;

constexpr char16_t kFolder[] = u"C:\\PB\\PureLibraries\\";

struct Case {
  const char* what;
  bool is_64_bit;
  std::vector<std::string> libraries;          // the header's list
  std::map<std::string, std::string> files;    // library -> file bytes
  std::string text;                            // "\n" stands for "\r\n"
  std::string pruned;                          // empty: the text comes back unchanged
  Items called;                                // the items under "Called PB Functions"
  Items functions_removed;                     // the symbols listed as removed
  std::string libraries_removed;               // "RemovedLibrariesText"
  std::vector<std::string> libraries_left;
  Items detected = {};                         // tags of the detection lines
  int beeps = 0;
  std::string dpi_aware = "";
  bool plugins_by_extension = false;
};

// A library file: a header, binary noise, the names between two "ERUP" lines.
std::string File(const std::vector<std::string>& names) {
  std::string bytes = "PURE\0\x01\x02XX\0ERUP\0"s;
  for (const std::string& name : names) bytes += name + "\0"s;
  return bytes + "ERUP\0AfterTheList\0"s;
}

std::string Crlf(std::string_view text) {
  std::string out;
  for (char c : text) out += c == '\n' ? "\r\n" : std::string(1, c);
  return out;
}

// The report of one library: its count, then each symbol with its CallCount.
Items Report(const std::string& library, const std::vector<std::pair<std::string, int>>& symbols) {
  Items items = {"\t\t" + library + ": " + std::to_string(symbols.size()), ""};
  for (const auto& [symbol, count] : symbols) items.push_back("\t\t\t" + symbol + ": " + std::to_string(count));
  if (!symbols.empty()) items.push_back("");
  return items;
}

Items Join(std::initializer_list<Items> parts) {
  Items all;
  for (const Items& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Items ExpectedLog(const Case& c) {
  Items log = {"\t\xC2\xB7  Called PB Functions\r\n"};
  log.insert(log.end(), c.called.begin(), c.called.end());
  for (const std::string& tag : c.detected) log.push_back("\t\xC2\xB7  " + tag + " de/encoder detected\r\n");
  log.push_back("\t\xC2\xB7  Uncalled PB Functions Removed\r\n");
  for (const std::string& f : c.functions_removed) log.push_back("\t\t" + f);
  if (!c.called.empty()) log.push_back("");
  log.push_back("\t\xC2\xB7  Uncalled PB Libraries Removed\r\n");
  log.push_back(c.libraries_removed);
  if (!c.libraries_removed.empty()) log.push_back("");
  return log;
}

const std::string k64 = "format MS64 COFF\n";
const std::string k32 = "format MS COFF\n";
const std::string kData = "section '.data' data readable writeable\n";

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      // ---- Two symbols left (the score of Table 4) ----
      {"start-up and clean-up behind the label: both go, and the library", true, {"L"},
       {{"L", File({"InitL", "EndL"})}},
       "; L\n" + k64 + "extrn PB_InitL\nextrn PB_EndL\nPureBasicStart:\n  CALL   PB_InitL\n  RET\n"
       "PB_EndFunctions:\n  CALL   PB_EndL\n  RET\n",
       k64 + "; extrn PB_InitL\n; extrn PB_EndL\nPureBasicStart:\n  ; CALL   PB_InitL\n  RET\n"
       "PB_EndFunctions:\n  ; CALL   PB_EndL\n  RET\n",
       Report("L", {{"PB_InitL", 1}, {"PB_EndL", 1}}), {"PB_InitL", "PB_EndL"}, "\t\tL\r\n", {}},
      {"a clean-up name behind the label that another clean-up name begins", true, {"K", "L"},
       {{"K", File({"EndL", "KeepA", "KeepB"})}, {"L", File({"InitL", "EndLong"})}},
       "; K\n; L\n" + k64 + "extrn PB_EndL\nextrn PB_KeepA\nextrn PB_KeepB\nextrn PB_InitL\nextrn PB_EndLong\n"
       "PureBasicStart:\n  CALL   PB_InitL\n  CALL   PB_KeepA\n  CALL   PB_KeepB\n  CALL   PB_EndL\n  RET\n"
       "PB_EndFunctions:\n  CALL   PB_EndLong\n  RET\n",
       "; K\n" + k64 + "extrn PB_EndL\nextrn PB_KeepA\nextrn PB_KeepB\n; extrn PB_InitL\n; extrn PB_EndLong\n"
       "PureBasicStart:\n  ; CALL   PB_InitL\n  CALL   PB_KeepA\n  CALL   PB_KeepB\n  CALL   PB_EndL\n  RET\n"
       "PB_EndFunctions:\n  ; CALL   PB_EndLong\n  RET\n",
       Join({Report("K", {{"PB_EndL", 1}, {"PB_KeepA", 1}, {"PB_KeepB", 1}}),
             Report("L", {{"PB_InitL", 1}, {"PB_EndLong", 1}})}),
       {"PB_InitL", "PB_EndLong"}, "\t\tL\r\n", {"K"}},
      {"a clean-up call before the label scores nothing: the library stays", true, {"L"},
       {{"L", File({"InitL", "EndL"})}},
       "; L\n" + k64 + "extrn PB_InitL\nextrn PB_EndL\nPureBasicStart:\n  CALL   PB_InitL\n  CALL   PB_EndL\n"
       "PB_EndFunctions:\n  RET\n",
       "", Report("L", {{"PB_InitL", 1}, {"PB_EndL", 1}}), {}, "", {"L"}},
      {"without the label every occurrence from position 16 on is behind it", true, {"L"},
       {{"L", File({"InitL", "EndL"})}},
       "; L\n" + k64 + "extrn PB_InitL\nextrn PB_EndL\nPureBasicStart:\n  CALL   PB_InitL\n  CALL   PB_EndL\n",
       k64 + "; extrn PB_InitL\n; extrn PB_EndL\nPureBasicStart:\n  ; CALL   PB_InitL\n  ; CALL   PB_EndL\n",
       Report("L", {{"PB_InitL", 1}, {"PB_EndL", 1}}), {"PB_InitL", "PB_EndL"}, "\t\tL\r\n", {}},
      {"a Free symbol behind the label scores like an End symbol", false, {"L"},
       {{"L", File({"InitL", "FreeL"})}},
       "; L\n" + k32 + "extrn _PB_InitL@0\nextrn _PB_FreeL@0\nPureBasicStart:\n  CALL  _PB_InitL@0\n  RET\n"
       "PB_EndFunctions:\n  CALL  _PB_FreeL@0\n",
       k32 + "; extrn _PB_InitL@0\n; extrn _PB_FreeL@0\nPureBasicStart:\n  ; CALL  _PB_InitL@0\n  RET\n"
       "PB_EndFunctions:\n  ; CALL  _PB_FreeL@0\n",
       Report("L", {{"PB_InitL", 1}, {"PB_FreeL", 1}}), {"PB_InitL", "PB_FreeL"}, "\t\tL\r\n", {}},
      {"a Free symbol before the label scores nothing", false, {"L"},
       {{"L", File({"InitL", "FreeL"})}},
       "; L\n" + k32 + "extrn _PB_InitL@0\nextrn _PB_FreeL@0\nPureBasicStart:\n  CALL  _PB_InitL@0\n"
       "  CALL  _PB_FreeL@0\nPB_EndFunctions:\n  RET\n",
       "", Report("L", {{"PB_InitL", 1}, {"PB_FreeL", 1}}), {}, "", {"L"}},
      {"a symbol called twice is not scored", true, {"L"},
       {{"L", File({"InitL", "EndL"})}},
       "; L\n" + k64 + "extrn PB_InitL\nextrn PB_EndL\nPureBasicStart:\n  CALL   PB_InitL\n  CALL   PB_InitL\n"
       "PB_EndFunctions:\n  CALL   PB_EndL\n",
       "", Report("L", {{"PB_InitL", 2}, {"PB_EndL", 1}}), {}, "", {"L"}},
      {"InitGadget scores nothing while a window is opened", true, {"Gadget"},
       {{"Gadget", File({"InitGadget", "FreeGadget"})}},
       "; Gadget\n" + k64 + "extrn PB_InitGadget\nextrn PB_FreeGadget\nextrn PB_OpenWindow\nPureBasicStart:\n"
       "  CALL   PB_InitGadget\nPB_EndFunctions:\n  CALL   PB_FreeGadget\n",
       "", Report("Gadget", {{"PB_InitGadget", 1}, {"PB_FreeGadget", 1}}), {}, "", {"Gadget"}},
      {"InitDesktop scores nothing with the DpiAware switch", true, {"Desktop"},
       {{"Desktop", File({"InitDesktop", "EndDesktop"})}},
       "; Desktop\n" + k64 + "extrn PB_InitDesktop\nextrn PB_EndDesktop\nPureBasicStart:\n  CALL   PB_InitDesktop\n"
       "PB_EndFunctions:\n  CALL   PB_EndDesktop\n",
       "", Report("Desktop", {{"PB_InitDesktop", 1}, {"PB_EndDesktop", 1}}), {}, "", {"Desktop"}, {}, 0,
       " /DPIAWARE"},
      {"a DpiAware switch of blanks only is no switch", true, {"Desktop"},
       {{"Desktop", File({"InitDesktop", "EndDesktop"})}},
       "; Desktop\n" + k64 + "extrn PB_InitDesktop\nextrn PB_EndDesktop\nPureBasicStart:\n  CALL   PB_InitDesktop\n"
       "PB_EndFunctions:\n  CALL   PB_EndDesktop\n",
       k64 + "; extrn PB_InitDesktop\n; extrn PB_EndDesktop\nPureBasicStart:\n  ; CALL   PB_InitDesktop\n"
       "PB_EndFunctions:\n  ; CALL   PB_EndDesktop\n",
       Report("Desktop", {{"PB_InitDesktop", 1}, {"PB_EndDesktop", 1}}), {"PB_InitDesktop", "PB_EndDesktop"},
       "\t\tDesktop\r\n", {}, {}, 0, "   "},
      {"the alpha image start-up is kept for a PNG plugin", true, {"AlphaImage", "ImagePluginPNG"},
       {{"AlphaImage", File({"InitAlphaImage", "EndAlpha"})}},
       "; AlphaImage\n; ImagePluginPNG\n" + k64 + "extrn PB_InitAlphaImage\nextrn PB_EndAlpha\n"
       "PureBasicStart:\n  CALL   PB_InitAlphaImage\nPB_EndFunctions:\n  CALL   PB_EndAlpha\n",
       "", Report("AlphaImage", {{"PB_InitAlphaImage", 1}, {"PB_EndAlpha", 1}}), {}, "",
       {"AlphaImage", "ImagePluginPNG"}, {"PNG"}},
      {"the alpha image clean-up is kept for a TGA plugin", true, {"AlphaImage", "ImagePluginTGA"},
       {{"AlphaImage", File({"InitAlpha", "EndAlphaImage"})}},
       "; AlphaImage\n; ImagePluginTGA\n" + k64 + "extrn PB_InitAlpha\nextrn PB_EndAlphaImage\n"
       "PureBasicStart:\n  CALL   PB_InitAlpha\nPB_EndFunctions:\n  CALL   PB_EndAlphaImage\n",
       "", Report("AlphaImage", {{"PB_InitAlpha", 1}, {"PB_EndAlphaImage", 1}}), {}, "",
       {"AlphaImage", "ImagePluginTGA"}, {"TGA"}},
      {"the JPEG plugin needs no alpha images", true, {"AlphaImage", "ImagePluginJPEG"},
       {{"AlphaImage", File({"InitAlphaImage", "EndAlphaImage"})}},
       "; AlphaImage\n; ImagePluginJPEG\n" + k64 + "extrn PB_InitAlphaImage\nextrn PB_EndAlphaImage\n"
       "PureBasicStart:\n  CALL   PB_InitAlphaImage\nPB_EndFunctions:\n  CALL   PB_EndAlphaImage\n",
       "; ImagePluginJPEG\n" + k64 + "; extrn PB_InitAlphaImage\n; extrn PB_EndAlphaImage\n"
       "PureBasicStart:\n  ; CALL   PB_InitAlphaImage\nPB_EndFunctions:\n  ; CALL   PB_EndAlphaImage\n",
       Report("AlphaImage", {{"PB_InitAlphaImage", 1}, {"PB_EndAlphaImage", 1}}),
       {"PB_InitAlphaImage", "PB_EndAlphaImage"}, "\t\tAlphaImage\r\n", {"ImagePluginJPEG"}, {"JPG"}},
      {"FreeArray scores nothing while arrays are allocated (32-bit)", false, {"Array"},
       {{"Array", File({"InitArray", "FreeArray"})}},
       "; Array\n" + k32 + "extrn _PB_InitArray@0\nextrn _PB_FreeArray@0\nextrn _SYS_AllocateArray@8\n"
       "PureBasicStart:\n  CALL  _PB_InitArray@0\nPB_EndFunctions:\n  CALL  _PB_FreeArray@0\n",
       "", Report("Array", {{"PB_InitArray", 1}, {"PB_FreeArray", 1}}), {}, "", {"Array"}},
      {"FreeMemorys scores nothing", true, {"Memory"},
       {{"Memory", File({"InitMemory", "FreeMemorys"})}},
       "; Memory\n" + k64 + "extrn PB_InitMemory\nextrn PB_FreeMemorys\nPureBasicStart:\n  CALL   PB_InitMemory\n"
       "PB_EndFunctions:\n  CALL   PB_FreeMemorys\n",
       "", Report("Memory", {{"PB_InitMemory", 1}, {"PB_FreeMemorys", 1}}), {}, "", {"Memory"}},
      {"FreeSprites scores nothing", true, {"Sprite"},
       {{"Sprite", File({"InitSprite", "FreeSprites"})}},
       "; Sprite\n" + k64 + "extrn PB_InitSprite\nextrn PB_FreeSprites\nPureBasicStart:\n  CALL   PB_InitSprite\n"
       "PB_EndFunctions:\n  CALL   PB_FreeSprites\n",
       "", Report("Sprite", {{"PB_InitSprite", 1}, {"PB_FreeSprites", 1}}), {}, "", {"Sprite"}},

      // ---- One symbol left (Table 3) ----
      {"a lone start-up symbol goes with its library, every 32-bit form", false, {"V"},
       {{"V", File({"InitV"})}},
       "; V\n" + k32 + "extrn _PB_InitV@4\nPureBasicStart:\n  CALL  _PB_InitV@4\n  CALL   dword [_PB_InitV@4]\n",
       k32 + "; extrn _PB_InitV@4\nPureBasicStart:\n  ; CALL  _PB_InitV@4\n  ; CALL   dword [_PB_InitV@4]\n",
       Report("V", {{"PB_InitV", 1}}), {"PB_InitV"}, "\t\tV\r\n", {}},
      {"a lone Free symbol goes with its library, every entry of it in the list", true, {"L", "L"},
       {{"L", File({"FreeL"})}},
       "; L\n" + k64 + "extrn PB_FreeL\nPureBasicStart:\n  CALL   qword [PB_FreeL]\n",
       k64 + "; extrn PB_FreeL\nPureBasicStart:\n  ; CALL   qword [PB_FreeL]\n",
       Report("L", {{"PB_FreeL", 1}}), {"PB_FreeL"}, "\t\tL\r\n", {}},
      {"a lone symbol that starts nothing stays", true, {"L"},
       {{"L", File({"OpenL"})}},
       "; L\n" + k64 + "extrn PB_OpenL\nPureBasicStart:\n  CALL   PB_OpenL\n",
       "", Report("L", {{"PB_OpenL", 1}}), {}, "", {"L"}},
      {"an image decoder that no plugin needs goes", true, {"ImageX"},
       {{"ImageX", File({"UseXImageDecoder"})}},
       "; ImageX\n" + k64 + "extrn PB_UseXImageDecoder\nPureBasicStart:\n  CALL   PB_UseXImageDecoder\n",
       k64 + "; extrn PB_UseXImageDecoder\nPureBasicStart:\n  ; CALL   PB_UseXImageDecoder\n",
       Report("ImageX", {{"PB_UseXImageDecoder", 1}}), {"PB_UseXImageDecoder"}, "\t\tImageX\r\n", {}},
      {"an image encoder always stays", true, {"ImageEncoder"},
       {{"ImageEncoder", File({"UsePNGImageEncoder"})}},
       "; ImageEncoder\n" + k64 + "extrn PB_UsePNGImageEncoder\nPureBasicStart:\n  CALL   PB_UsePNGImageEncoder\n",
       "", Report("ImageEncoder", {{"PB_UsePNGImageEncoder", 1}}), {}, "", {"ImageEncoder"}},
      {"InitImageDecoder goes when no plugin is found and nothing declares it", false, {"ImageDecoder"},
       {{"ImageDecoder", File({"InitImageDecoder"})}},
       "; ImageDecoder\n" + k32 + "PureBasicStart:\n  CALL   PB_InitImageDecoder\n  CALL   PB_InitImageDecoder\n",
       k32 + "PureBasicStart:\n  ; CALL   PB_InitImageDecoder\n  ; CALL   PB_InitImageDecoder\n",
       Report("ImageDecoder", {{"PB_InitImageDecoder", 1}}), {"PB_InitImageDecoder"}, "\t\tImageDecoder\r\n", {}},
      {"InitImageDecoder stays for any plugin found", false, {"ImageDecoder", "ImagePluginGIF"},
       {{"ImageDecoder", File({"InitImageDecoder"})}},
       "; ImageDecoder\n; ImagePluginGIF\n" + k32 +
           "PureBasicStart:\n  CALL   PB_InitImageDecoder\n  CALL   PB_InitImageDecoder\n",
       "", Report("ImageDecoder", {{"PB_InitImageDecoder", 1}}), {}, "", {"ImageDecoder", "ImagePluginGIF"},
       {"GIF"}},
      {"InitImageDecoder stays when declared", true, {"ImageDecoder"},
       {{"ImageDecoder", File({"InitImageDecoder"})}},
       "; ImageDecoder\n" + k64 + "extrn PB_InitImageDecoder\nPureBasicStart:\n  CALL   PB_InitImageDecoder\n",
       "", Report("ImageDecoder", {{"PB_InitImageDecoder", 1}}), {}, "", {"ImageDecoder"}},
      {"InitArray stays while arrays are allocated", true, {"Array"},
       {{"Array", File({"InitArray"})}},
       "; Array\n" + k64 + "extrn PB_InitArray\nextrn SYS_AllocateArray\nPureBasicStart:\n  CALL   PB_InitArray\n",
       "", Report("Array", {{"PB_InitArray", 1}}), {}, "", {"Array"}},
      {"InitArray goes when no array is allocated", true, {"Array"},
       {{"Array", File({"InitArray"})}},
       "; Array\n" + k64 + "extrn PB_InitArray\nPureBasicStart:\n  CALL   PB_InitArray\n",
       k64 + "; extrn PB_InitArray\nPureBasicStart:\n  ; CALL   PB_InitArray\n",
       Report("Array", {{"PB_InitArray", 1}}), {"PB_InitArray"}, "\t\tArray\r\n", {}},
      {"InitRuntime stays while AddInteger is declared (32-bit)", false, {"Runtime"},
       {{"Runtime", File({"InitRuntime"})}},
       "; Runtime\n" + k32 + "extrn _PB_InitRuntime@0\nextrn _PB_Runtime_AddInteger@8\nPureBasicStart:\n"
       "  CALL  _PB_InitRuntime@0\n",
       "", Report("Runtime", {{"PB_InitRuntime", 1}}), {}, "", {"Runtime"}},
      {"InitGadget stays while a Scintilla gadget is declared (32-bit)", false, {"Gadget"},
       {{"Gadget", File({"InitGadget"})}},
       "; Gadget\n" + k32 + "extrn _PB_InitGadget@0\nextrn _PB_ScintillaGadget@20\nPureBasicStart:\n"
       "  CALL  _PB_InitGadget@0\n",
       "", Report("Gadget", {{"PB_InitGadget", 1}}), {}, "", {"Gadget"}},
      {"a detected plugin's decoder stays", true, {"ImagePluginPNG"},
       {{"ImagePluginPNG", File({"UsePNGImageDecoder"})}},
       "; ImagePluginPNG\n" + k64 + "extrn PB_UsePNGImageDecoder\nPureBasicStart:\n  CALL   PB_UsePNGImageDecoder\n"
       "; LoadImage(0, \"logo.PNG\")\n",
       "", Report("ImagePluginPNG", {{"PB_UsePNGImageDecoder", 1}}), {}, "", {"ImagePluginPNG"}, {"PNG"}, 0, "",
       true},
      {"a plugin whose extension the program never names goes", true, {"ImagePluginPNG"},
       {{"ImagePluginPNG", File({"UsePNGImageDecoder"})}},
       "; ImagePluginPNG\n" + k64 + "extrn PB_UsePNGImageDecoder\nPureBasicStart:\n  CALL   PB_UsePNGImageDecoder\n"
       "; LoadImage(0, Name$ + \".\" + Ext$)\n",
       k64 + "; extrn PB_UsePNGImageDecoder\nPureBasicStart:\n  ; CALL   PB_UsePNGImageDecoder\n"
       "; LoadImage(0, Name$ + \".\" + Ext$)\n",
       Report("ImagePluginPNG", {{"PB_UsePNGImageDecoder", 1}}), {"PB_UsePNGImageDecoder"}, "\t\tImagePluginPNG\r\n",
       {}, {}, 0, "", true},

      // ---- Counting, the first sweep, no symbols left ----
      {"every counted 64-bit form counts once, near misses never", true, {"S"},
       {{"S", File({"Str", "Val"})}},
       "; S\n" + k64 + "extrn PB_Str\nextrn PB_Str_THREAD\nextrn PB_Str_DOUBLE\nextrn PB_StrX\n"
       "  CALL   PB_Str\n  CALL   qword [PB_Str]\n  CALL   PB_Str_THREAD\n  CALL   PB_Str_DOUBLE\n"
       "  CALL  PB_Str\n  CALL   PB_Str_THREADX\n  call   PB_Str\n  CALL   PB_Val\n  CALL   PB_Val\n",
       "", Report("S", {{"PB_Str", 6}, {"PB_Val", 1}}), {}, "", {"S"}},
      {"every counted 32-bit form counts once, near misses never", false, {"S"},
       {{"S", File({"Str", "Val"})}},
       "; S\n" + k32 + "extrn _PB_Str@4\nextrn _PB_Str\nextrn _PB_Str_THREAD@4\nextrn _PB_Str_DOUBLE@8\n"
       "extrn PB_Str\n  CALL  _PB_Str@4\n  CALL   dword [_PB_Str]\n  CALL  _PB_Str_THREAD@4\n"
       "  CALL  _PB_Str_DOUBLE@8\n  CALL   PB_Str\n  CALL   dword [_PB_Str@4]\n  CALL  _PB_StrX@4\n"
       "extrn _PB_Str_THREAD\n  CALL   PB_Val\n  CALL   PB_Val\n",
       "", Report("S", {{"PB_Str", 9}, {"PB_Val", 1}}), {}, "", {"S"}},
      {"the first sweep comments out the first declaration of an uncalled symbol", false, {"L", "Missing"},
       {{"L", File({"Delay", "Print", "Unmentioned"})}},
       "; L\n; Missing\n" + k32 + "extrn _PB_Delay@4\nextrn _PB_Print@4\nextrn _PB_Gone@4\nPureBasicStart:\n"
       "  CALL  _PB_Print@4\n  CALL  _PB_Print@4\n  CALL  _PB_Gone@4\n",
       "; L\n; Missing\n" + k32 + "; extrn _PB_Delay@4\nextrn _PB_Print@4\nextrn _PB_Gone@4\nPureBasicStart:\n"
       "  CALL  _PB_Print@4\n  CALL  _PB_Print@4\n  CALL  _PB_Gone@4\n",
       Report("L", {{"PB_Delay", 0}, {"PB_Print", 2}}), {"PB_Delay"}, "", {"L", "Missing"}},
      {"a library with nothing referenced goes", true, {"L", "K"},
       {{"L", File({"Foo"})}, {"K", File({"Kept"})}},
       "; L\n; K\n" + k64 + "extrn PB_Kept\n  CALL   PB_Kept\n  CALL   PB_Kept\n; L\n",
       "; K\n" + k64 + "extrn PB_Kept\n  CALL   PB_Kept\n  CALL   PB_Kept\n; L\n",
       Join({Report("L", {}), Report("K", {{"PB_Kept", 2}})}), {}, "\t\tL\r\n", {"K"}},
      {"SimpleList stays while its helpers are called, with a beep", true, {"SimpleList"},
       {{"SimpleList", File({"SimpleListSwap"})}},
       "; SimpleList\n" + k64 + "PureBasicStart:\n  CALL   PB_SimpleList_Sort\n",
       "", Report("SimpleList", {}), {}, "", {"SimpleList"}, {}, 1},
      {"SimpleList without its helpers goes", true, {"SimpleList"},
       {{"SimpleList", File({"SimpleListSwap"})}},
       "; SimpleList\n" + k64 + "PureBasicStart:\n  CALL   PB_SimpleListSort\n",
       k64 + "PureBasicStart:\n  CALL   PB_SimpleListSort\n",
       Report("SimpleList", {}), {}, "\t\tSimpleList\r\n", {}},

      // ---- Names that are not identifiers and share their leading part ----
      {"a form's text inside a name; one reference through the _DOUBLE form", true, {"Map", "Other"},
       {{"Map", File({"q extrn PB_q", "q x"})}, {"Other", File({"Zed"})}},
       "; Map\n; Other\n" + k64 + "extrn PB_q x_DOUBLE\nPureBasicStart:\n  CALL   PB_Zed\n  RET\n" + kData, "",
       Join({Report("Map", {{"PB_q x", 0}}), Report("Other", {{"PB_Zed", 0}})}), {"PB_q x", "PB_Zed"}, "",
       {"Map", "Other"}},
      {"names sharing their leading part, one called", true, {"Libzvw", "Other"},
       {{"Libzvw", File({"mix", "mix extrn PB_mix", "mix x", "mix@mix"})}, {"Other", File({"Zed"})}},
       "; Libzvw\n; Other\n" + k64 + "  CALL   PB_mix x\nPureBasicStart:\n  CALL   PB_Zed\n  RET\n" + kData, "",
       Join({Report("Libzvw", {{"PB_mix x", 0}}), Report("Other", {{"PB_Zed", 0}})}), {"PB_mix x", "PB_Zed"}, "",
       {"Libzvw", "Other"}},
      {"overlapping 32-bit declarations of names that hold a form", false, {"LinkedList", "Other"},
       {{"LinkedList", File({"open file_THREAD@extrn _PB_open file", "open file mix", "mix@x", "open file",
                             "open file_THREAD@extrn _PB_mix"})},
        {"Other", File({"Zed"})}},
       "; LinkedList\n; Other\n" + k32 +
           "extrn _PB_open file_THREAD@extrn _PB_open file_THREAD@extrn _PB_open file_THREAD@4\n"
           "PureBasicStart:\n  CALL  _PB_Zed@0\n  RET\n" + kData,
       "",
       Join({Report("LinkedList", {{"PB_open file_THREAD@extrn _PB_open file", 0}, {"PB_open file", 2}}),
             Report("Other", {{"PB_Zed", 0}})}),
       {"PB_open file_THREAD@extrn _PB_open file", "PB_Zed"}, "", {"LinkedList", "Other"}},

      // ---- Names read from the library files ----
      {"control characters, markers, tags and capital-letter noise", true, {"C"},
       {{"C", "noise\0ERUP\0Open\x1F" "Console\0"s "4BILPrintN\0@Deco\0Deco@\0XY\0XY!\0XX?\0XYZ\0XYZ!\0"
                  "A B C\0!Bang\0?Ask\0(Args)\0\x01 Spaced Out \0lower case\0X\x02" "YZ\0"
                  "\x01 AB\0MidERUPmarker\0Later\0ERUP\0Again\0"s}},
       "; C\n" + k64 + "extrn PB_OpenConsole\n"
       "  CALL   PB_OpenConsole\n  CALL   PB_PrintN\n  CALL   PB_4BILPrintN\n  CALL   PB_@Deco\n  CALL   PB_Deco@\n"
       "  CALL   PB_XY\n  CALL   PB_XY!\n  CALL   PB_XX?\n  CALL   PB_XYZ\n  CALL   PB_XYZ!\n  CALL   PB_ABC\n"
       "  CALL   PB_A B C\n  CALL   PB_!Bang\n  CALL   PB_?Ask\n  CALL   PB_(Args)\n  CALL   PB_SpacedOut\n"
       "  CALL   PB_Spaced Out\n  CALL   PB_lower case\n  CALL   PB_AB\n  CALL   PB_Later\n  CALL   PB_Again\n",
       "",
       Report("C", {{"PB_OpenConsole", 1}, {"PB_XYZ", 0}, {"PB_XYZ!", 0}, {"PB_ABC", 0}, {"PB_SpacedOut", 0},
                    {"PB_lower case", 0}}),
       {"PB_XYZ", "PB_XYZ!", "PB_ABC", "PB_SpacedOut", "PB_lower case"}, "", {"C"}},
      {"a short capital name that the assembly declares is a name", true, {"M"},
       {{"M", File({"NaN", "Go On"})}},
       "; M\n" + k64 + "extrn PB_NaN\nextrn PB_Go On\n  CALL   PB_NaN\n  CALL   PB_Go On\n  CALL   PB_GoOn\n",
       "", Report("M", {{"PB_NaN", 1}, {"PB_Go On", 1}}), {}, "", {"M"}},
  };
  return cases;
}

TEST(RemovalRules, EachRuleGivesItsWholeTextLogAndLibraryList) {
  for (const Case& c : Cases()) {
    std::vector<UString> libraries;
    for (const std::string& name : c.libraries) libraries.push_back(DecodeUtf8(name));
    Items log;
    std::vector<int> progress;
    int beeps = 0;
    PruningIo io;
    io.read_file = [&](const UString& path, std::string& bytes) {
      const size_t folder = std::char_traits<char16_t>::length(kFolder);
      auto found = c.files.end();
      if (StartsWith(path, kFolder)) found = c.files.find(EncodeUtf8(UStringView(path).substr(folder)));
      if (found == c.files.end()) return false;
      bytes = found->second;
      return true;
    };
    io.log = [&](const UString& item) { log.push_back(EncodeUtf8(item)); };
    io.progress = [&](int percent) { progress.push_back(percent); };
    io.beep = [&] { ++beeps; };
    PruningSettings settings;
    settings.is_64_bit = c.is_64_bit;
    settings.dpi_aware_switch = DecodeUtf8(c.dpi_aware);
    settings.remove_plugins_by_extension = c.plugins_by_extension;

    std::string pruned = RemoveUncalledLibraries(libraries, Crlf(c.text), kFolder, settings, io);

    EXPECT_EQ(pruned, Crlf(c.pruned.empty() ? c.text : c.pruned)) << c.what;
    EXPECT_EQ(log, ExpectedLog(c)) << c.what;
    std::vector<std::string> left;
    for (const UString& name : libraries) left.push_back(EncodeUtf8(name));
    EXPECT_EQ(left, c.libraries_left) << c.what;
    EXPECT_EQ(beeps, c.beeps) << c.what;
    EXPECT_EQ(progress, (std::vector<int>{50, 54, 58, 62, 66})) << c.what;
  }
}

}  // namespace
}  // namespace sparlin
