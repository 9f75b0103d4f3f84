// The test oracle's own readings against the program's: library file names,
// the plugin guard and the reference forms, on the library files and real
// assembly of the corpus and on generated files of every turning shape.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "asm_format/reference_forms.h"
#include "generators/assembly_generator.h"
#include "oracle/literal_library_files.h"
#include "oracle/literal_plugins.h"
#include "oracle/literal_reference_forms.h"
#include "pruning/image_plugins.h"
#include "pruning/library_files.h"

namespace sparlin {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Every file of a folder the test needs; a missing folder is a failure.
std::vector<std::string> FilesIn(const fs::path& folder) {
  std::vector<std::string> files;
  if (fs::is_directory(folder)) {
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(ReadFile(entry.path()));
  }
  EXPECT_FALSE(files.empty()) << "no input files in " << folder;
  return files;
}

// Library files as the installation has them (the stand-in's), one per
// library of the corpus's function list, and the generated ones with the
// assembly that declares their names.
struct LibraryInput {
  std::string bytes;
  UString text;
  bool is_64_bit;
};

std::vector<LibraryInput> LibraryInputs() {
  std::vector<LibraryInput> inputs;
  for (std::string& bytes : FilesIn(fs::path(SPARLIN_SOURCE_DIR) / "tests/fuzz/corpus/library_file")) {
    inputs.push_back({bytes, u"", true});
  }
  std::ifstream table(fs::path(SPARLIN_CORPUS_DIR) / "purelibraries/library-functions.tsv");
  EXPECT_TRUE(table.is_open()) << "the corpus's library function list is missing";
  std::map<std::string, std::vector<std::string>> names;
  std::string line;
  std::getline(table, line);
  while (std::getline(table, line)) {
    size_t tab = line.find('\t');
    names[line.substr(0, tab)].push_back(line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1));
  }
  for (const auto& [library, functions] : names) inputs.push_back({testing::LibraryFileBytes(functions), u"", true});
  for (uint64_t seed = 1; seed <= 24; ++seed) {
    testing::AssemblyShape shape = testing::AssemblyShape::Turning(seed, seed % 2 == 0, 6 * 1024);
    testing::GeneratedAssembly generated = testing::GenerateAssembly(shape);
    for (const auto& [library, bytes] : generated.library_files) {
      inputs.push_back({bytes, generated.text, shape.is_64_bit});
    }
  }
  for (const testing::FixedPruningCase& c : testing::SharedLeadingPartCases()) {
    for (const auto& [library, bytes] : c.input.library_files) inputs.push_back({bytes, c.input.text, c.is_64_bit});
  }
  return inputs;
}

TEST(OraclePieces, LibraryFileNamesAreReadAlike) {
  for (const LibraryInput& input : LibraryInputs()) {
    std::vector<UString> program =
        LibraryFunctionNames(input.bytes, DeclaredRuntimeNames(EncodeUtf8(input.text), input.is_64_bit));
    std::vector<UString> oracle =
        oracle::LiteralLibraryNames(input.bytes, oracle::LiteralDeclaredNames(input.text, input.is_64_bit));
    EXPECT_EQ(program, oracle) << EncodeUtf8(input.text.substr(0, 200));
    EXPECT_EQ(LibraryFunctionNames(input.bytes), oracle::LiteralLibraryNames(input.bytes));
  }
}

TEST(OraclePieces, PluginGuardsAgree) {
  std::vector<UString> texts;
  for (const char* name :
       {"win-x64__pb570b3__PureBasicIDE__PureBasic.asm", "linux-x86__pb420__Moebius_Sample_00.asm"}) {
    std::string bytes = ReadFile(fs::path(SPARLIN_CORPUS_DIR) / "asm" / name);
    EXPECT_FALSE(bytes.empty()) << "corpus file missing: " << name;
    texts.push_back(DecodeUtf8(bytes));
  }
  for (uint64_t seed = 1; seed <= 16; ++seed) {
    texts.push_back(testing::GenerateAssembly(testing::AssemblyShape::Turning(seed, seed % 2 == 1, 4 * 1024)).text);
  }
  texts.push_back(u"; \"a.Jpeg\" _S: dw 46,84,73,70,70,0 46,103,105,102 \"x.JP2\"");
  const std::vector<UString> imported = {u"ImagePluginTIFF", u"ImagePluginBMP", u"ImagePluginGIF",
                                         u"ImagePluginJPEG2000", u"ImagePluginJPEG", u"ImagePluginPNG",
                                         u"ImagePluginTGA", u"ImagePluginpng"};
  for (const UString& text : texts) {
    for (bool by_extension : {false, true}) {
      std::vector<UString> program_log, oracle_log;
      PluginGuard program = DetectImagePlugins(imported, EncodeUtf8(text), by_extension,
                                               [&](const UString& item) { program_log.push_back(item); });
      PluginGuard oracle = oracle::LiteralPluginGuard(imported, text, by_extension,
                                                      [&](const UString& item) { oracle_log.push_back(item); });
      EXPECT_EQ(program.detected, oracle.detected);
      EXPECT_EQ(program.ProtectedName, oracle.ProtectedName);
      EXPECT_EQ(program.AlphaInitName, oracle.AlphaInitName);
      EXPECT_EQ(program.AlphaEndName, oracle.AlphaEndName);
      EXPECT_EQ(program_log, oracle_log);
    }
  }
  for (const oracle::LiteralPlugin& plugin : oracle::LiteralPlugins()) {
    for (const UString& extension : plugin.extensions) {
      std::array<UString, 4> probes = PluginProbes(extension);
      EXPECT_EQ(std::vector<UString>(probes.begin(), probes.end()), oracle::LiteralPluginProbes(extension));
    }
  }
}

TEST(OraclePieces, ReferenceFormsAgree) {
  for (UStringView symbol : {u"PB_Str", u"PB_q x", u"PB_mix@mix", u"PB_Gr\u00F6\u00DFe", u""}) {
    for (bool is_64_bit : {true, false}) {
      EXPECT_EQ(CountedForms(symbol, is_64_bit), oracle::LiteralCountedForms(symbol, is_64_bit));
      EXPECT_EQ(DeclarationForms(symbol, is_64_bit), oracle::LiteralDeclarationForms(symbol, is_64_bit));
      EXPECT_EQ(CallForms(symbol, is_64_bit), oracle::LiteralCallForms(symbol, is_64_bit));
    }
  }
}

}  // namespace
}  // namespace sparlin
