#include "generators/assembly_generator.h"

#include <random>

namespace sparlin::testing {
namespace {

using Rng = std::mt19937_64;

// How a library's symbols are used, which decides the removal rule it meets.
enum class Usage { kUsed, kUnused, kStartupOnly, kStartupAndCleanUp, kDeclaredOnly };

struct Symbol {
  std::string name;  // "PB_" + name in the library file
  int calls = 0;     // 0: declared only; -1: neither declared nor called
  bool clean_up = false;
  bool start_up = false;
  bool variant = false;  // declared and called as F_THREAD / F_DOUBLE
};

struct Library {
  std::string name;
  std::vector<Symbol> symbols;
  bool has_file = true;
};

const char* const kStems[] = {"Open",  "Close", "Str",  "Val",    "Window", "Free",   "Init",  "Image",
                              "Sort",  "List",  "Draw", "Text",   "Event",  "Gadget", "Array", "Memory",
                              "Print", "Read",  "Write", "Alpha", "Use",    "End",    "Size",  "Font"};
const char* const kTails[] = {"", "Ex", "2", "s", "All", "Item", "Data", "Length"};

int Pick(Rng& rng, int n) { return static_cast<int>(rng() % static_cast<uint64_t>(n)); }
bool Chance(Rng& rng, int percent) { return Pick(rng, 100) < percent; }

// Names that are prefixes, suffixes and substrings of each other: a stem
// with and without tails, shared across libraries.
std::string FunctionName(Rng& rng, int library) {
  std::string name = kStems[Pick(rng, 24)];
  name += kTails[Pick(rng, 8)];
  if (Chance(rng, 50)) name += kStems[Pick(rng, 24)];
  if (Chance(rng, 40)) name += std::to_string(library % 7);
  return name;
}

std::vector<Library> MakeLibraries(const AssemblyShape& shape, Rng& rng) {
  std::vector<Library> libraries;
  // Libraries whose names the removal rules know.
  const std::vector<std::pair<std::string, std::vector<std::string>>> known = {
      {"Gadget", {"InitGadget", "ButtonGadget", "ScintillaGadget"}},
      {"Window", {"InitWindow", "OpenWindow", "FreeWindows"}},
      {"Array", {"InitArray", "FreeArray"}},
      {"Runtime", {"InitRuntime", "Runtime_AddInteger"}},
      {"ImageDecoder", {"InitImageDecoder"}},
      {"AlphaImage", {"InitAlphaImage", "EndAlphaImage"}},
      {"Desktop", {"InitDesktop", "FreeDesktop"}},
      {"Memory", {"InitMemory", "FreeMemorys", "AllocateMemory"}},
      {"Sprite", {"InitSprite", "FreeSprites"}},
      {"SimpleList", {"SimpleList_Sort", "SimpleListSwap"}},
      {"ImageEncoder", {"UsePNGImageEncoder"}},
  };
  for (const auto& [name, functions] : known) {
    Library library{name, {}, true};
    for (const std::string& f : functions) library.symbols.push_back({f});
    libraries.push_back(library);
  }
  if (shape.image_plugins) {
    const char* plugins[][2] = {{"ImagePluginPNG", "UsePNGImageDecoder"},   {"ImagePluginJPEG", "UseJPEGImageDecoder"},
                                {"ImagePluginTIFF", "UseTIFFImageDecoder"}, {"ImagePluginBMP", "InitBMPImagePlugin"},
                                {"ImagePluginGIF", "UseGIFImageDecoder"},   {"ImagePluginJPEG2000", "UseJPEG2000ImageDecoder"},
                                {"ImagePluginTGA", "UseTGAImageDecoder"}};
    for (const auto& plugin : plugins) libraries.push_back({plugin[0], {{plugin[1]}}, true});
  }
  // The rest of the symbols over the rest of the libraries, two of each
  // library's being its start-up and clean-up symbols.
  int fixed = 0;
  for (const Library& library : libraries) fixed += static_cast<int>(library.symbols.size());
  int rest = std::max(1, shape.libraries - static_cast<int>(libraries.size()));
  int per_library = std::max(1, (shape.symbols - fixed) / rest - 2);
  for (int i = static_cast<int>(libraries.size()); i < shape.libraries; ++i) {
    Library library{"Lib" + std::to_string(i) + kStems[i % 24], {}, !Chance(rng, 5)};
    std::string own = std::string(kStems[i % 24]) + std::to_string(i);
    library.symbols.push_back({"Init" + own});
    library.symbols.push_back({(Chance(rng, 50) ? "Free" : "End") + own});
    int count = 1 + Pick(rng, 2 * per_library - 1);
    for (int k = 0; k < count; ++k) library.symbols.push_back({FunctionName(rng, i)});
    libraries.push_back(library);
  }
  // Decide every symbol's use by the library's usage.
  for (Library& library : libraries) {
    Usage usage = static_cast<Usage>(Pick(rng, 5));
    if (Chance(rng, 40)) usage = Usage::kUsed;
    for (size_t k = 0; k < library.symbols.size(); ++k) {
      Symbol& s = library.symbols[k];
      bool start = s.name.rfind("Init", 0) == 0 || s.name.rfind("Use", 0) == 0;
      bool clean = s.name.rfind("Free", 0) == 0 || s.name.rfind("End", 0) == 0;
      s.variant = Chance(rng, 5);
      switch (usage) {
        case Usage::kUsed:
          s.calls = Chance(rng, 20) ? -1 : Pick(rng, 4) == 0 ? 0 : 1 + Pick(rng, 6);
          break;
        case Usage::kUnused:
          s.calls = -1;
          break;
        case Usage::kDeclaredOnly:
          s.calls = Chance(rng, 70) ? 0 : -1;
          break;
        case Usage::kStartupOnly:
          s.calls = start ? 1 : Chance(rng, 50) ? 0 : -1;
          break;
        case Usage::kStartupAndCleanUp:
          s.calls = (start || clean) ? 1 : Chance(rng, 50) ? 0 : -1;
          break;
      }
      s.start_up = start && s.calls == 1;
      s.clean_up = clean && s.calls == 1;
    }
  }
  return libraries;
}

class Writer {
 public:
  Writer(const AssemblyShape& shape, Rng& rng) : shape_(shape), rng_(rng) {}

  std::string Extrn(const std::string& f) const {
    if (shape_.is_64_bit) return "extrn PB_" + f + "\n";
    switch (f.size() % 3) {
      case 0: return "extrn _PB_" + f + "@" + std::to_string(4 * (f.size() % 4)) + "\n";
      case 1: return "extrn _PB_" + f + "\n";
      default: return "extrn PB_" + f + "\n";
    }
  }

  std::string Call(const std::string& f) const {
    if (shape_.is_64_bit) return (f.size() % 4 == 0 ? "  CALL   qword [PB_" + f + "]\n" : "  CALL   PB_" + f + "\n");
    switch (f.size() % 3) {
      case 0: return "  CALL  _PB_" + f + "@" + std::to_string(4 * (f.size() % 4)) + "\n";
      case 1: return (f.size() % 2 ? "  CALL   dword [_PB_" + f + "]\n" : "  CALL   dword [_PB_" + f + "@4]\n");
      default: return "  CALL   PB_" + f + "\n";
    }
  }

  std::string Variant(const std::string& f, bool declaration) const {
    std::string tail = f.size() % 2 ? "_THREAD" : "_DOUBLE";
    if (shape_.is_64_bit) return (declaration ? "extrn PB_" : "  CALL   PB_") + f + tail + "\n";
    return (declaration ? "extrn _PB_" : "  CALL  _PB_") + f + tail + "@8\n";
  }

  // A few lines of ordinary code, sometimes with a call of a called symbol.
  std::string CodeBlock(const std::vector<const Symbol*>& called) {
    std::string out = "; x" + std::to_string(Pick(rng_, 1000)) + " = Compute(a, b)\n";
    out += shape_.is_64_bit ? "  MOV    rax,qword [v_a]\n  ADD    rax,qword [v_b]\n" : "  MOV    eax,dword [v_a]\n";
    if (!called.empty() && Chance(rng_, 60)) {
      const Symbol* s = called[static_cast<size_t>(Pick(rng_, static_cast<int>(called.size())))];
      out += s->variant && Chance(rng_, 30) ? Variant(s->name, false) : Call(s->name);
    }
    if (Chance(rng_, 3)) out += "; extrn PB_" + std::string(kStems[Pick(rng_, 24)]) + "\n";
    if (Chance(rng_, 2)) out += "  CALL   PB_SimpleList_Sort\n";
    return out;
  }

 private:
  const AssemblyShape& shape_;
  Rng& rng_;
};

std::string PluginDataLines(Rng& rng) {
  std::string out;
  const char* names[] = {"\"logo.PNG\"", "\"photo.jpeg\"", "\"scan.tif\""};
  const char* codes[] = {"46,80,110,103", "46,98,109,112", "46,84,71,65"};
  if (Chance(rng, 60)) out += "; LoadImage(0, " + std::string(names[Pick(rng, 3)]) + ")\n";
  if (Chance(rng, 60)) out += "_S7: dw 108,111," + std::string(codes[Pick(rng, 3)]) + ",0\n";
  return out;
}

}  // namespace

std::string LibraryFileBytes(const std::vector<std::string>& names) {
  using namespace std::string_literals;
  std::string bytes = "\x3C\x06\0\0D$\0ERUP\x10\0\0\0" "4BIL\0"s;
  for (const std::string& name : names) bytes += name + "\0\x01\x02\0\0() - command\0"s;
  return bytes + "ERUP\x20\0\0\0" "1TAD\0NotAName\x7F\x13\0"s;
}

GeneratedAssembly GenerateAssembly(const AssemblyShape& shape) {
  Rng rng(shape.seed);
  std::vector<Library> libraries = MakeLibraries(shape, rng);
  Writer writer(shape, rng);
  GeneratedAssembly result;

  std::string head = "; \n; PureBasic 5.70 LTS generated code\n; \n; The header must remain intact for Re-Assembly\n; \n";
  for (const Library& library : libraries) {
    head += "; " + library.name + "\n";
    result.libraries.push_back(DecodeUtf8(library.name));
    if (!library.has_file) continue;
    std::vector<std::string> names;
    for (const Symbol& s : library.symbols) names.push_back(s.name);
    result.library_files[DecodeUtf8(library.name)] = LibraryFileBytes(names);
  }
  head += "; :System\n; kernel32.lib\n; :Import\n; \n";
  head += shape.is_64_bit ? "format MS64 COFF\n" : "format MS COFF\n";

  std::vector<const Symbol*> called;
  std::string start = "PureBasicStart:\n";
  std::string clean_up;
  for (const Library& library : libraries) {
    for (const Symbol& s : library.symbols) {
      if (s.calls < 0) continue;
      head += writer.Extrn(s.name);
      if (s.variant) head += writer.Variant(s.name, true);
      if (s.start_up) {
        start += writer.Call(s.name);
      } else if (s.clean_up) {
        clean_up += writer.Call(s.name);
      } else {
        for (int c = 0; c < s.calls; ++c) start += writer.Call(s.name);
        if (s.calls > 1) called.push_back(&s);
      }
    }
  }
  head += shape.is_64_bit ? "extrn SYS_AllocateArray\n" : "extrn _SYS_AllocateArray@8\n";

  std::string text = head + start;
  size_t body_end = shape.bytes / 2;
  while (text.size() < body_end) text += writer.CodeBlock(called);
  text += "_PB_EOP:\n  CALL   PB_EndFunctions\n";
  if (shape.end_functions_label) text += "PB_EndFunctions:\n";
  text += "  SUB    rsp,40\n" + clean_up + "  ADD    rsp,40\n  RET\n";
  while (text.size() < shape.bytes) {
    text += "; Procedure Helper" + std::to_string(text.size() % 97) + "()\n_Procedure" +
            std::to_string(text.size() % 89) + ":\n";
    for (int i = 0; i < 8; ++i) text += writer.CodeBlock(called);
    if (shape.image_plugins) text += PluginDataLines(rng);
  }

  std::string crlf;
  crlf.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  result.text = DecodeUtf8(crlf);
  return result;
}

}  // namespace sparlin::testing
