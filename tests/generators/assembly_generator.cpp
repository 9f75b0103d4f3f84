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

// ---- Shapes where the rules turn ----

// Names that are not identifiers: blanks, "@", "!", "?", other letters, the
// text of a reference form inside; bases shared so that names are prefixes,
// suffixes and substrings of each other.
const char* const kOddBases[] = {"q", "mix", "open file", "x y", "Zed", "Map", "a!", "b?"};
const char* const kOddTails[] = {"",          " x",         "@mix",          " extrn PB_q", " extrn PB_mix",
                                 "_THREAD",   "_DOUBLE",    "@4",            "_THREAD@extrn _PB_open file",
                                 " CALL   ",  "]",          " mix",          "\xC3\xA4rger",
                                 "\xD0\x9A\xD0\xBB\xD1\x8E\xD1\x87", "\xE6\x97\xA5\xE6\x9C\xAC"};

size_t Index(Rng& rng, size_t n) { return static_cast<size_t>(Pick(rng, static_cast<int>(n))); }

std::string OddName(Rng& rng) {
  std::string name = kOddBases[Pick(rng, 8)];
  name += kOddTails[Pick(rng, 15)];
  if (Chance(rng, 25)) name = std::string(kOddBases[Pick(rng, 8)]) + name;
  return name;
}

// Libraries of odd names, some sharing names with each other; one library is
// named like a symbol of another, one like the text that a commented-out
// declaration leaves. Returns the names of their symbols.
std::vector<std::string> AddOddLibraries(std::vector<Library>& libraries, Rng& rng) {
  std::vector<std::string> names;
  for (const char* library_name : {"Map", "Libzvw", "Linked List \xC3\xBC"}) {
    Library library{library_name, {}, true};
    for (int k = 2 + Pick(rng, 4); k > 0; --k) {
      std::string name = OddName(rng);
      if (!names.empty() && Chance(rng, 30)) {
        name = names[Index(rng, names.size())] + kOddTails[Pick(rng, 15)];
      }
      names.push_back(name);
      library.symbols.push_back({name});
    }
    if (Chance(rng, 50)) library.symbols.push_back({"Init" + std::string(library_name)});
    libraries.push_back(library);
  }
  libraries.push_back({"PB_" + names.front(), {{"Own" + names.back()}}, true});
  libraries.push_back({"extrn PB_" + names[1], {{names[1]}}, true});
  names.clear();
  for (size_t l = libraries.size() - 5; l < libraries.size(); ++l) {
    for (Symbol& s : libraries[l].symbols) {
      s.calls = Chance(rng, 20) ? -1 : Pick(rng, 3);
      s.variant = Chance(rng, 20);
      names.push_back(s.name);
    }
  }
  return names;
}

// A line where occurrences of odd names overlap or stand inside each other.
std::string OverlapLine(const std::vector<std::string>& names, bool is_64_bit, Rng& rng) {
  const std::string& a = names[Index(rng, names.size())];
  const std::string& b = names[Index(rng, names.size())];
  switch (Pick(rng, 5)) {
    case 0: return "extrn PB_" + a + " " + b + "_DOUBLE\n";
    case 1: return "  CALL   PB_" + a + "@" + b + "\n";
    case 2: return is_64_bit ? "extrn PB_" + a + "extrn PB_" + b + "\n"
                             : "extrn _PB_" + a + "_THREAD@extrn _PB_" + a + "_THREAD@extrn _PB_" + b + "_THREAD@4\n";
    case 3: return is_64_bit ? "  CALL   qword [PB_" + a + "]CALL   PB_" + b + "\n"
                             : "  CALL  _PB_" + a + "@CALL  _PB_" + b + "@8\n";
    default: return "  CALL   PB_" + a + "\n  CALL   PB_" + a + "\n";
  }
}

// A source line kept as a comment, or a string, holding a reference form:
// counted where the form's text is complete, as the text search sees it.
std::string FormInCommentOrString(const std::string& f, bool is_64_bit, Rng& rng) {
  switch (Pick(rng, 4)) {
    case 0: return "; MessageRequester(\"extrn PB_" + f + "\", \"CALL   PB_" + f + "\")\n";
    case 1: return "; see CALL   PB_" + f + "\n";
    case 2: return is_64_bit ? "; extrn PB_" + f + "_THREAD\n" : "; s$ = \"CALL  _PB_" + f + "@4\"\n";
    default: return "; s$ = \"PB_SimpleList_" + f + "\" ; PB_EndFunctions:\n";
  }
}

const char* const kNonAsciiLines[] = {
    "; Gr\xC3\xB6\xC3\x9F" "e = 1 ; \xC3\xBC \xE2\x82\xAC\n",
    "; t$ = \"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\" + \"\xD0\x9A\xD0\xBB\xD1\x8E\xD1\x87\"\n",
    "_S8: dw 71,114,246,223,101,0\n",
    "; LoadImage(0, \"Bild-\xC3\xA4.PNG\")\n",
};

const char* const kNoiseLines[] = {"AA", "XY", "QQ!", "Z Z?", "B  B", "@at", "at@", "!bang", "?ask", "(x)",
                                   "4BILtag", "\x07", "  ", "\x01 AB", "N a N"};

// The names with noise around and inside them, line ends of every kind, and
// noise lines between them.
std::string NoisyLibraryFileBytes(const std::vector<std::string>& names, Rng& rng) {
  using namespace std::string_literals;
  const std::string ends[] = {"\0"s, "\r\n", "\n", "\r", "\0\0"s};
  std::string bytes = "\x3C\x06\0\0D$\0NotYet\r\nERUP\x10\r\n"s;
  for (const std::string& name : names) {
    std::string line = name;
    if (Chance(rng, 30)) line.insert(Index(rng, line.size() + 1), 1, static_cast<char>(1 + Pick(rng, 9)));
    if (Chance(rng, 15)) line.insert(Index(rng, line.size() + 1), 1, '\x1F');
    if (Chance(rng, 10) && line.size() > 2) line.insert(1 + Index(rng, line.size() - 1), " ");
    if (Chance(rng, 20)) line = "  " + line;
    if (Chance(rng, 20)) line += " ";
    bytes += line + ends[Pick(rng, 5)];
    if (Chance(rng, 25)) bytes += std::string(kNoiseLines[Pick(rng, 15)]) + ends[Pick(rng, 5)];
  }
  return bytes + "x ERUP y\r1TAD\0Later\0"s;
}

}  // namespace

AssemblyShape AssemblyShape::Turning(uint64_t seed, bool is_64_bit, size_t bytes) {
  AssemblyShape shape;
  shape.seed = seed;
  shape.is_64_bit = is_64_bit;
  shape.bytes = bytes;
  shape.symbols = 80;
  shape.libraries = 16;
  shape.end_functions_label = seed % 5 != 0;
  shape.allocate_array_sometimes_undeclared = true;
  shape.clean_up_before_label = true;
  shape.noisy_library_files = true;
  shape.plugin_probe_at_end = true;
  shape.odd_names = true;
  shape.forms_in_comments_and_strings = true;
  shape.non_ascii = true;
  return shape;
}

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
  // The turning shapes draw from a stream of their own, so that the plain
  // shape's bytes stay what they were.
  Rng turn(shape.seed ^ 0x9E3779B97F4A7C15ull);
  std::vector<std::string> odd_names;
  if (shape.odd_names) odd_names = AddOddLibraries(libraries, turn);
  std::vector<std::string> all_names;
  for (const Library& library : libraries) {
    for (const Symbol& s : library.symbols) all_names.push_back(s.name);
  }

  std::string head = "; \n; PureBasic 5.70 LTS generated code\n; \n; The header must remain intact for Re-Assembly\n; \n";
  for (const Library& library : libraries) {
    head += "; " + library.name + "\n";
    result.libraries.push_back(DecodeUtf8(library.name));
    if (!library.has_file) continue;
    std::vector<std::string> names;
    for (const Symbol& s : library.symbols) names.push_back(s.name);
    result.library_files[DecodeUtf8(library.name)] =
        shape.noisy_library_files ? NoisyLibraryFileBytes(names, turn) : LibraryFileBytes(names);
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
        (shape.clean_up_before_label && Chance(turn, 40) ? start : clean_up) += writer.Call(s.name);
      } else {
        for (int c = 0; c < s.calls; ++c) start += writer.Call(s.name);
        if (s.calls > 1) called.push_back(&s);
      }
    }
  }
  if (!shape.allocate_array_sometimes_undeclared || Chance(turn, 50)) {
    head += shape.is_64_bit ? "extrn SYS_AllocateArray\n" : "extrn _SYS_AllocateArray@8\n";
  }

  std::string text = head + start;
  size_t body_end = shape.bytes / 2;
  while (text.size() < body_end) {
    text += writer.CodeBlock(called);
    if (!odd_names.empty() && Chance(turn, 30)) text += OverlapLine(odd_names, shape.is_64_bit, turn);
    if (shape.forms_in_comments_and_strings && Chance(turn, 20)) {
      text += FormInCommentOrString(all_names[Index(turn, all_names.size())], shape.is_64_bit, turn);
    }
    if (shape.non_ascii && Chance(turn, 15)) text += kNonAsciiLines[Pick(turn, 4)];
  }
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
  if (shape.plugin_probe_at_end) {
    const char* const probes[] = {"_S9: dw 46,112,110,103", "; LoadImage(0, \"a.TIF\"", "_S9: dw 46,74,80,69,71",
                                  "_S9: dw 46,66,109,112", "; \"x.gif\""};
    crlf += probes[Pick(turn, 5)];
  }
  result.text = DecodeUtf8(crlf);
  return result;
}

std::vector<FixedPruningCase> SharedLeadingPartCases() {
  using namespace std::string_literals;
  auto file = [](const std::vector<std::string>& names) {
    std::string bytes = "PURELIB\x01\x02\r\nERUP\r\n";
    for (size_t i = 0; i < names.size(); ++i) bytes += (i ? "\0"s : ""s) + names[i];
    return bytes + "\0ERUP\r\n"s;
  };
  auto make = [&](const char* what, bool is_64_bit, const std::string& library, const std::vector<std::string>& names,
                  const std::string& line) {
    FixedPruningCase c{what, is_64_bit, {}};
    std::string text = "; " + library + "\r\n; Other\r\n" +
                       (is_64_bit ? "format MS64 COFF\r\n" : "format MS COFF\r\n") + line +
                       "\r\nPureBasicStart:\r\n" + (is_64_bit ? "  CALL   PB_Zed\r\n" : "  CALL  _PB_Zed@0\r\n") +
                       "  RET\r\nsection '.data' data readable writeable\r\n";
    c.input.text = DecodeUtf8(text);
    c.input.libraries = {DecodeUtf8(library), u"Other"};
    c.input.library_files[DecodeUtf8(library)] = file(names);
    c.input.library_files[u"Other"] = file({"Zed"});
    return c;
  };
  return {
      make("a form's text inside a name, one reference through the _DOUBLE form", true, "Map",
           {"q extrn PB_q", "q x"}, "extrn PB_q x_DOUBLE"),
      make("names sharing their leading part, one called", true, "Libzvw",
           {"mix", "mix extrn PB_mix", "mix x", "mix@mix"}, "  CALL   PB_mix x"),
      make("overlapping 32-bit declarations of names that hold a form", false, "LinkedList",
           {"open file_THREAD@extrn _PB_open file", "open file mix", "mix@x", "open file",
            "open file_THREAD@extrn _PB_mix"},
           "extrn _PB_open file_THREAD@extrn _PB_open file_THREAD@extrn _PB_open file_THREAD@4"),
  };
}

}  // namespace sparlin::testing
