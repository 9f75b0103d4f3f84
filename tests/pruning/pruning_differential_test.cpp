// The shipped pruning against the literal one of the oracle, on the real
// compiler assembly of the corpus, on generated assembly over many seeds and
// on randomly edited copies of both: text, every log item, library list,
// progress points and beeps must be the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "generators/assembly_generator.h"
#include "oracle/literal_pruning.h"
#include "pruning/uncalled_removal.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

constexpr char16_t kFolder[] = u"L:\\";

struct Input {
  UString text;
  std::vector<UString> libraries;
  std::map<UString, std::string> files;
  PruningSettings settings;
};

struct Outcome {
  UString text;
  std::string utf8;  // the text as the stage writes it
  std::vector<UString> log;
  std::vector<UString> libraries;
  std::vector<int> progress;
  int beeps = 0;
};

enum class Method { kLiteral, kFast };

Outcome Run(const Input& input, Method method) {
  Outcome out;
  out.libraries = input.libraries;
  PruningIo io;
  io.read_file = [&](const UString& path, std::string& bytes) {
    auto found = input.files.find(path.substr(std::char_traits<char16_t>::length(kFolder)));
    if (found == input.files.end()) return false;
    bytes = found->second;
    return true;
  };
  io.log = [&](const UString& item) { out.log.push_back(item); };
  io.progress = [&](int percent) { out.progress.push_back(percent); };
  io.beep = [&] { ++out.beeps; };
  if (method == Method::kLiteral) {
    out.text = oracle::LiteralRemoveUncalledLibraries(out.libraries, input.text, kFolder, input.settings, io);
    out.utf8 = EncodeUtf8(out.text);
  } else {
    out.utf8 = RemoveUncalledLibraries(out.libraries, EncodeUtf8(input.text), kFolder, input.settings, io);
    out.text = DecodeUtf8(out.utf8);
  }
  return out;
}

// Empty when equal, else where the texts part, with some context.
std::string Difference(UStringView fast, UStringView literal) {
  if (fast == literal) return "";
  size_t at = 0;
  while (at < fast.size() && at < literal.size() && fast[at] == literal[at]) ++at;
  size_t from = at > 60 ? at - 60 : 0;
  return "differ at " + std::to_string(at) + "\nfast:    " + Utf8(fast.substr(from, 120)) +
         "\nliteral: " + Utf8(literal.substr(from, 120));
}

// The shipped pruning on the text's UTF-8 bytes against the literal one on
// its UTF-16 text.
void ExpectSame(const Input& input, const std::string& what) {
  Outcome literal = Run(input, Method::kLiteral);
  Outcome fast = Run(input, Method::kFast);
  EXPECT_EQ(Difference(fast.text, literal.text), "") << what;
  EXPECT_TRUE(fast.utf8 == literal.utf8) << what;
  EXPECT_EQ(fast.log, literal.log) << what;
  EXPECT_EQ(fast.libraries, literal.libraries) << what;
  EXPECT_EQ(fast.progress, literal.progress) << what;
  EXPECT_EQ(fast.beeps, literal.beeps) << what;
}

Input FromGenerated(const testing::GeneratedAssembly& generated, bool is_64_bit) {
  Input input{generated.text, generated.libraries, generated.library_files, {}};
  input.settings.is_64_bit = is_64_bit;
  return input;
}

// The header libraries of a real assembly file, given library files that
// share out its "PB_" symbols, with start-up and clean-up names of their own.
Input FromCorpus(const std::string& bytes) {
  Input input;
  input.text = DecodeUtf8(bytes);
  input.settings.is_64_bit = input.text.find(u"format MS64") != UString::npos;
  std::vector<std::vector<std::string>> names;
  std::istringstream lines(bytes);
  std::string line;
  bool header = true;
  size_t next = 0;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("format ", 0) == 0) header = false;
    if (header && line.size() > 2 && line.rfind("; ", 0) == 0 && line.find(' ', 2) == std::string::npos) {
      input.libraries.push_back(DecodeUtf8(line.substr(2)));
      std::string library = line.substr(2);
      names.push_back({"Init" + library, "Free" + library});
    }
    size_t symbol = line.find("PB_");
    if (!header && line.rfind("extrn ", 0) == 0 && symbol != std::string::npos && !names.empty()) {
      std::string name = line.substr(symbol + 3);
      name = name.substr(0, name.find('@'));
      names[next++ % names.size()].push_back(name);
    }
  }
  for (size_t i = 0; i < names.size(); ++i) input.files[input.libraries[i]] = testing::LibraryFileBytes(names[i]);
  return input;
}

std::filesystem::path CorpusFolder() {
  const char* overridden = std::getenv("SPARLIN_CORPUS_DIR");
  return std::filesystem::path(overridden ? overridden : SPARLIN_CORPUS_DIR) / "asm";
}

std::vector<std::pair<std::string, std::string>> CorpusAssembly() {
  std::vector<std::pair<std::string, std::string>> files;
  if (!std::filesystem::is_directory(CorpusFolder())) return files;
  for (const auto& entry : std::filesystem::directory_iterator(CorpusFolder())) {
    if (entry.path().extension() != ".asm") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    files.push_back({entry.path().filename().string(), std::string(std::istreambuf_iterator<char>(in), {})});
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(PruningDifferentialTest, RealCompilerAssembly) {
  auto files = CorpusAssembly();
  ASSERT_FALSE(files.empty()) << "no corpus assembly at " << CorpusFolder();
  for (const auto& [name, bytes] : files) {
    for (bool plugins_by_extension : {false, true}) {
      Input input = FromCorpus(bytes);
      input.settings.remove_plugins_by_extension = plugins_by_extension;
      ExpectSame(input, name);
    }
  }
}

TEST(PruningDifferentialTest, GeneratedAssemblyOverManySeeds) {
  for (uint64_t seed = 1; seed <= 24; ++seed) {
    testing::AssemblyShape shape;
    shape.seed = seed;
    shape.is_64_bit = seed % 2 == 0;
    shape.bytes = 6000 + 1000 * (seed % 5);
    shape.symbols = 120;
    shape.libraries = 24;
    shape.end_functions_label = seed % 3 != 0;
    shape.image_plugins = seed % 4 != 1;
    Input input = FromGenerated(testing::GenerateAssembly(shape), shape.is_64_bit);
    input.settings.remove_plugins_by_extension = seed % 5 < 3;
    if (seed % 7 == 0) input.settings.dpi_aware_switch = u" /DPIAWARE";
    ExpectSame(input, "seed " + std::to_string(seed));
  }
}

// Generated input in the shapes where the rules turn: names that are not
// identifiers and share parts with each other, forms inside names, comments
// and strings, other letters and scripts, noisy library files, clean-up calls
// before the label, probes at the text's end; 32-bit and 64-bit alike.
TEST(PruningDifferentialTest, GeneratedAssemblyWhereTheRulesTurn) {
  for (uint64_t seed = 1; seed <= 40; ++seed) {
    testing::AssemblyShape shape = testing::AssemblyShape::Turning(seed, seed % 2 == 0, 4 * 1024 + 512 * (seed % 7));
    Input input = FromGenerated(testing::GenerateAssembly(shape), shape.is_64_bit);
    input.settings.remove_plugins_by_extension = seed % 3 != 0;
    if (seed % 5 == 0) input.settings.dpi_aware_switch = u" /DPIAWARE";
    ExpectSame(input, "turning seed " + std::to_string(seed));
  }
  for (const testing::FixedPruningCase& c : testing::SharedLeadingPartCases()) {
    Input input = FromGenerated(c.input, c.is_64_bit);
    input.settings.remove_plugins_by_extension = true;
    ExpectSame(input, c.what);
  }
}

// Inputs at the edges of the indexed method: where an edit changes what a
// later step finds, and where the fast method must hand over to the literal one.
struct EdgeCase {
  const char* what;
  bool is_64_bit;
  std::vector<std::pair<std::string, std::vector<std::string>>> files;  // library -> names
  std::string text;                                                      // "\n" becomes "\r\n"
};

const EdgeCase kEdgeCases[] = {
    {"a symbol of two libraries is commented out twice", true, {{"A", {"Twice", "UseA"}}, {"B", {"Twice", "UseB"}}},
     "; A\n; B\nextrn PB_Twice\nextrn PB_UseA\nextrn PB_UseB\n  CALL   PB_UseA\n  CALL   PB_UseB\n"},
    {"a header that does not begin a line joins its neighbours into a form", true,
     {{"Lib", {"InitLib"}}, {"Other", {"yes", "zed"}}},
     "extrn PB_yes; Lib\n\n; Lib\n; Other\nextrn PB_InitLib\nextrn PB_zed\nextrn PB_yes\n  CALL   PB_InitLib\n"
     "  CALL   PB_zed\n"},
    {"symbols with blanks, \"@\" and \"extrn _\" inside", false,
     {{"Odd", {"Foo Bar", "Del@ay", "X extrn _PB_yes", "yes"}}},
     "; Odd\nextrn PB_Foo Bar\nextrn _PB_Del@ay@4\nextrn PB_X extrn _PB_yes@4\n  CALL   PB_Foo Bar\n"
     "  CALL  _PB_yes@4\n"},
    {"a comment-out breaks a clean-up name behind the label", true,
     {{"Q", {"q"}}, {"Image", {"InitImage", "FreeImage"}}},
     "; Q\n; Image\nextrn PB_InitImage\nextrn PB_FreeImage\n  CALL   PB_InitImage\n  CALL   PB_FreeImage\n"
     "PB_EndFunctions:\n; PB_FreeImagextrn PB_q\n"},
    {"without the label the clean-up symbol is searched from the start", true,
     {{"Cd", {"ux"}}, {"Ab", {"InitAb", "EndAb"}}},
     "extrn PB_ux\nxPB_EndAb\n; Cd\n; Ab\nextrn PB_InitAb\nextrn PB_EndAb\n  CALL   PB_InitAb\n  CALL   PB_EndAb\n"},
    {"SimpleList helpers that leave with a dropped header line", true,
     {{"XPB_SimpleList_Y", {"InitX"}}, {"SimpleList", {"Sorted"}}},
     "; XPB_SimpleList_Y\n; SimpleList\nextrn PB_InitX\n  CALL   PB_InitX\n"},
    {"32-bit decorated, indirect and undecorated forms", false,
     {{"Vintage", {"InitVintage", "FreeVintage", "Print", "Print_THREAD"}}},
     "; Vintage\nextrn _PB_InitVintage@0\nextrn _PB_FreeVintage\nextrn PB_Print\nextrn _PB_Print_THREAD@4\n"
     "  CALL  _PB_InitVintage@0\n  CALL   dword [_PB_FreeVintage@4]\nPB_EndFunctions:\n"
     "  CALL   dword [_PB_FreeVintage]\n  CALL   PB_Print\n"},
    // Names that share their leading identifier part, one of them referenced
    // through a form that only its whole name makes.
    {"two names of one library share \"PB_q\"", true, {{"Map", {"q extrn PB_q", "q x"}}, {"Other", {"Zed"}}},
     "; Map\n; Other\nformat MS64 COFF\nextrn PB_q x_DOUBLE\nPureBasicStart:\n  CALL   PB_Zed\n  RET\n"
     "section '.data' data readable writeable\n"},
    {"three names share \"PB_mix\" with the identifier itself", true,
     {{"Libzvw", {"mix", "mix extrn PB_mix", "mix x", "mix@mix"}}, {"Other", {"Zed"}}},
     "; Libzvw\n; Other\nformat MS64 COFF\n  CALL   PB_mix x\nPureBasicStart:\n  CALL   PB_Zed\n  RET\n"
     "section '.data' data readable writeable\n"},
    {"32-bit names that hold their own forms and overlap", false,
     {{"LinkedList",
       {"open file_THREAD@extrn _PB_open file", "open file mix", "mix@x", "open file",
        "open file_THREAD@extrn _PB_mix"}},
      {"Other", {"Zed"}}},
     "; LinkedList\n; Other\nformat MS COFF\n"
     "extrn _PB_open file_THREAD@extrn _PB_open file_THREAD@extrn _PB_open file_THREAD@4\n"
     "PureBasicStart:\n  CALL  _PB_Zed@0\n  RET\nsection '.data' data readable writeable\n"},
};

Input FromEdgeCase(const EdgeCase& edge) {
  Input input;
  input.settings.is_64_bit = edge.is_64_bit;
  input.settings.remove_plugins_by_extension = true;
  for (const auto& [library, names] : edge.files) {
    input.libraries.push_back(DecodeUtf8(library));
    input.files[DecodeUtf8(library)] = testing::LibraryFileBytes(names);
  }
  std::string text;
  for (char c : edge.text) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
  input.text = DecodeUtf8(text);
  return input;
}

// What the count reports for the three inputs above, from the forms alone.
TEST(PruningDifferentialTest, NamesSharingTheirLeadingPartAreCountedApart) {
  const std::vector<std::vector<UString>> expected = {
      {u"\t\tMap: 1", u"\t\t\tPB_q x: 0"},
      {u"\t\tLibzvw: 1", u"\t\t\tPB_mix x: 0"},
      {u"\t\tLinkedList: 2", u"\t\t\tPB_open file_THREAD@extrn _PB_open file: 0", u"\t\t\tPB_open file: 2"},
  };
  const size_t first = std::size(kEdgeCases) - expected.size();
  for (size_t k = 0; k < expected.size(); ++k) {
    Outcome fast = sparlin::Run(FromEdgeCase(kEdgeCases[first + k]), Method::kFast);
    for (const UString& item : expected[k]) {
      EXPECT_NE(std::find(fast.log.begin(), fast.log.end(), item), fast.log.end()) << Utf8(item);
    }
    EXPECT_EQ(std::find(fast.log.begin(), fast.log.end(), u"\t\t" + fast.libraries.front() + u"\r\n"),
              fast.log.end());
    EXPECT_EQ(fast.libraries.front(), UString(kEdgeCases[first + k].files.front().first.begin(),
                                              kEdgeCases[first + k].files.front().first.end()));
  }
}

TEST(PruningDifferentialTest, EdgeCases) {
  for (const EdgeCase& edge : kEdgeCases) ExpectSame(FromEdgeCase(edge), edge.what);
}

// Small edits that move the input off the usual shapes: lines deleted or
// doubled, header lines anywhere, names cut, "; " put anywhere, and library
// files that list names with blanks, "@" or other text taken from the
// assembly.
class Mutator {
 public:
  explicit Mutator(uint64_t seed) : rng_(seed) {}

  void Apply(Input& input) {
    UString& text = input.text;
    if (text.empty()) return;
    size_t at = Pick(text.size());
    size_t line_start = text.rfind(u'\n', at);
    line_start = line_start == UString::npos ? 0 : line_start + 1;
    size_t line_end = text.find(u'\n', at);
    line_end = line_end == UString::npos ? text.size() : line_end + 1;
    switch (Pick(9)) {
      case 0:
        text.erase(line_start, line_end - line_start);
        break;
      case 1:
        text.insert(line_start, text.substr(line_start, line_end - line_start));
        break;
      case 2:
        text.insert(Pick(2) ? line_start : at, u"; " + AnyLibrary(input) + u"\r\n");
        break;
      case 3:
        text.erase(at, 1 + Pick(3));
        break;
      case 4:
        text.insert(at, u"; ");
        break;
      case 5:
        text.insert(line_start, Pick(2) ? u"PB_EndFunctions:\r\n" : u"CALL   PB_SimpleList_Sort\r\n");
        break;
      case 6: {
        // A library file that lists a piece of the text as a name.
        size_t symbol = text.find(u"PB_", at);
        if (symbol == UString::npos) break;
        size_t end = text.find(u'\r', symbol);
        UString name = text.substr(symbol + 3, std::min<size_t>(end, symbol + 3 + 4 + Pick(20)) - symbol - 3);
        if (!input.files.empty()) {
          auto file = std::next(input.files.begin(), static_cast<long>(Pick(input.files.size())));
          file->second.insert(file->second.find("ERUP", 4), Utf8(name) + std::string(1, '\0'));
        }
        break;
      }
      case 7: {
        // Text past ASCII: a letter, a character of four bytes, a byte that is
        // not UTF-8 at all, anywhere, also inside a name.
        static const UString kOthers[] = {u"\u00FC", u"\U0001F600", UString(1, char16_t(0xDCC3)), u"\u00E9t\u00E9"};
        text.insert(at, kOthers[Pick(4)]);
        break;
      }
      default: {
        // A library whose name is not an identifier.
        static const UString kNames[] = {u"My Lib", u"expat.lib", u"Biblioth\u00E8que"};
        UString name = kNames[Pick(3)];
        input.libraries.push_back(name);
        input.files[name] = testing::LibraryFileBytes({"InitMyLib"});
        text.insert(Pick(2) ? line_start : at, u"; " + name + u"\r\nextrn PB_InitMyLib\r\n");
        break;
      }
    }
  }

 private:
  size_t Pick(size_t n) { return static_cast<size_t>(rng_() % n); }
  UString AnyLibrary(const Input& input) {
    return input.libraries.empty() ? UString(u"X") : input.libraries[Pick(input.libraries.size())];
  }

  std::mt19937_64 rng_;
};

TEST(PruningDifferentialTest, RandomlyEditedInputs) {
  std::vector<Input> bases;
  for (const auto& [name, bytes] : CorpusAssembly()) {
    if (bytes.size() < 80000) bases.push_back(FromCorpus(bytes));
  }
  for (uint64_t seed = 101; seed <= 104; ++seed) {
    testing::AssemblyShape shape;
    shape.seed = seed;
    shape.is_64_bit = seed % 2 == 1;
    shape.bytes = 5000;
    shape.symbols = 100;
    shape.libraries = 22;
    shape.end_functions_label = seed != 103;
    bases.push_back(FromGenerated(testing::GenerateAssembly(shape), shape.is_64_bit));
    testing::AssemblyShape turning = testing::AssemblyShape::Turning(seed, seed % 2 == 0, 5000);
    bases.push_back(FromGenerated(testing::GenerateAssembly(turning), turning.is_64_bit));
  }
  for (uint64_t round = 0; round < 160; ++round) {
    Mutator mutator(round);
    Input input = bases[round % bases.size()];
    input.settings.remove_plugins_by_extension = round % 3 == 0;
    for (uint64_t edit = 0; edit <= round % 6; ++edit) mutator.Apply(input);
    ExpectSame(input, "round " + std::to_string(round));
  }
}

}  // namespace
}  // namespace sparlin
