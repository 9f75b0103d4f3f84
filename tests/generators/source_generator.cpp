#include "generators/source_generator.h"

#include <algorithm>
#include <random>
#include <vector>

namespace sparlin::generators {
namespace {

// Words that combine into names which are prefixes, suffixes and inner parts
// of each other (Line, DrawLine, ReDrawLines), some with letters outside
// ASCII whose case the passes fold.
const char* const kWords[] = {"Draw", "Line", "Re",   "Get",  "Set",   "Text", "Item",     "Count",
                              "Init", "Free", "s",    "Sort", "Über",  "Map",  "\xce\xa3um", "\xd0\x94\xd0\xb0",
                              "x",    "List", "Load", "Save", "Image", "2",    "_",        "Ex"};

const char* const kBuiltins[] = {"Str", "Len", "OpenWindow", "Val", "Mid", "Debug ", "If ", "PeekS", "ListSize"};

class Writer {
 public:
  explicit Writer(uint64_t seed) : random_(seed) {}

  size_t Below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(random_() % n); }
  bool Chance(int percent) { return Below(100) < static_cast<size_t>(percent); }
  template <typename T, size_t N>
  const T& Pick(const T (&items)[N]) { return items[Below(N)]; }
  const std::string& Pick(const std::vector<std::string>& items) { return items[Below(items.size())]; }

  void Line(const std::string& line) {
    text_ += line;
    text_ += Chance(2) ? "\n" : "\r\n";
  }
  std::string& text() { return text_; }

  // The name as a reference writes it: as defined, or in another case.
  std::string Cased(const std::string& name) {
    size_t mode = Below(6);
    if (mode > 1) return name;
    std::string out = name;
    for (char& c : out) {
      if (mode == 0 && c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
      if (mode == 1 && c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    if (mode == 0 && out.find("\xc3\xbc") != std::string::npos) out.replace(out.find("\xc3\xbc"), 2, "\xc3\x9c");
    return out;
  }

  // One reference to `name` in one of the counted forms, or a near miss.
  std::string Reference(const std::string& name) {
    switch (Below(8)) {
      case 0: return "@" + Cased(name) + "()";
      case 1: return Cased(name) + " (1)";
      case 2: return "@" + Cased(name) + " ()";
      case 3: return Cased(name) + "$(a)";  // not a reference: "$" stands between
      default: return Cased(name) + "(a, " + std::to_string(Below(100)) + ")";
    }
  }

 private:
  std::mt19937_64 random_;
  std::string text_;
};

std::string MakeName(Writer& w) {
  std::string name;
  size_t words = 1 + w.Below(3);
  for (size_t i = 0; i < words; ++i) name += w.Pick(kWords);
  return name;
}

std::string DefinitionKeyword(Writer& w) {
  static const char* const kForms[] = {"Procedure ",    "Procedure ",   "Procedure ",   "Procedure.s ",  "Procedure.i ",
                                       "Procedure$ ",   "ProcedureC ",  "ProcedureC.l ", "ProcedureDLL ", "ProcedureCDLL ",
                                       "ProcedureDLL.s ", "\tProcedure ", "Procedure\t",   "Procedure  ",   "  Procedure ",
                                       "procedure "};
  return w.Pick(kForms);
}

void FillerLine(Writer& w, const std::vector<std::string>& names) {
  switch (w.Below(9)) {
    case 0: w.Line(""); break;
    case 1: w.Line("   "); break;
    case 2: w.Line("; calls " + w.Reference(w.Pick(names)) + " in a comment"); break;
    case 3: w.Line("Declare " + w.Pick(names) + "(x)"); break;
    case 4: w.Line("  Debug \"" + w.Pick(names) + "(\" + " + std::string(w.Pick(kBuiltins)) + "(x))  "); break;
    case 5: w.Line("\tGlobal value" + std::to_string(w.Below(1000)) + ".i = " + std::to_string(w.Below(99))); break;
    default: w.Line("  result = " + w.Reference(w.Pick(names)) + " + " + w.Pick(kBuiltins) + "(y)"); break;
  }
}

void Procedure(Writer& w, const std::string& name, const std::vector<std::string>& names) {
  std::string blank = w.Chance(10) ? " " : "";
  w.Line(DefinitionKeyword(w) + name + blank + "(a, b.s = \"x(\")" + (w.Chance(10) ? "  " : ""));
  size_t body = 8 + w.Below(30);
  size_t recursion = w.Chance(15) ? w.Below(body) : body;
  for (size_t i = 0; i < body; ++i) {
    if (i == recursion) w.Line("  If a > 1 : ProcedureReturn " + w.Cased(name) + "(a - 1) : EndIf");
    FillerLine(w, names);
  }
  if (w.Chance(3)) return;  // a definition without its end line
  w.Line(w.Chance(10) ? "  EndProcedure  " : "EndProcedure");
}

void MacroBlock(Writer& w, const std::vector<std::string>& names) {
  static const char* const kForms[] = {"Macro ", "Macro ", "Macro ", "  Macro ", "\tMacro ", "Macro\t", "Macro  ", "Macro "};
  std::string name = "M" + MakeName(w);
  switch (w.Below(12)) {
    case 0: w.Line("Macro " + name + "(x) : ((x) * 2) : EndMacro"); return;  // stays open
    case 1: w.Line("EndMacro"); return;  // an end line with no block before it
    case 2: w.Line("Macro " + name); break;  // no parameters
    default: w.Line(std::string(w.Pick(kForms)) + name + (w.Chance(20) ? " (x)" : "(x)")); break;
  }
  size_t body = w.Below(6);
  for (size_t i = 0; i < body; ++i) w.Line("  " + w.Reference(w.Pick(names)) + " * (x)");
  if (w.Chance(5)) return;  // a block without its end line
  w.Line(w.Chance(10) ? "  EndMacro" : w.Chance(5) ? "EndMacro\t; done" : "EndMacro");
}

}  // namespace

std::string GeneratePreprocessedSource(size_t bytes, uint64_t seed) {
  Writer w(seed);
  size_t procedures = std::max<size_t>(4, bytes / 2000);
  // No macro, one, or many (up to about one block in ten), whatever the size.
  size_t macros = 0;
  switch (w.Below(4)) {
    case 0: break;
    case 1: macros = 1; break;
    default: macros = 2 + w.Below(std::max<size_t>(2, procedures / 10)); break;
  }
  std::vector<std::string> names;
  for (size_t i = 0; i < procedures; ++i) names.push_back(MakeName(w));
  // Only some names are referenced from the code; the others stay uncalled
  // unless they recurse or end a longer name that is called.
  std::vector<std::string> called;
  for (const std::string& name : names) {
    if (w.Chance(60)) called.push_back(name);
  }
  if (called.empty()) called.push_back(names.front());

  size_t blocks = procedures + macros;
  size_t next_macro = 0;
  for (size_t block = 0; block < blocks; ++block) {
    // Main code up to this block's share of the size.
    size_t share = bytes * block / blocks;
    while (w.text().size() < share) FillerLine(w, called);
    bool macro = next_macro < macros && w.Below(blocks - block) < macros - next_macro;
    if (macro) {
      MacroBlock(w, called);
      ++next_macro;
    } else {
      Procedure(w, names[std::min(block - next_macro, names.size() - 1)], called);
    }
  }
  // A macro block at the very end of the text, now and then.
  if (w.Chance(25)) MacroBlock(w, called);
  // The last block ends the text, with or without line breaks after it.
  std::string& text = w.text();
  switch (w.Below(4)) {
    case 0: text.erase(text.find_last_not_of("\r\n") + 1); break;
    case 1: text += "\r\n\r\n"; break;
    default: break;
  }
  return text;
}

}  // namespace sparlin::generators
