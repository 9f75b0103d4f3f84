// The shipped procedure and macro removal against their straightforward
// forms: on the real corpus, on generated sources over many seeds, and on
// random small edits of both. Output text, removed names and reference
// counts must be identical.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "generators/source_generator.h"
#include "oracle/literal_source_passes.h"
#include "source_stage/definition_blocks.h"
#include "source_stage/macro_removal.h"
#include "source_stage/procedure_references.h"
#include "source_stage/procedure_removal.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

// The names whose references the passes count, plus names that the counting
// must treat alike: the empty name, inner parts and a name with "@".
std::vector<UString> NamesToCount(const std::vector<UString>& lines, std::mt19937_64& random) {
  std::vector<UString> names = {u"", u"@x", u"line", u"LINE"};
  for (const UString& raw : lines) {
    UString line = TrimBlanks(raw);
    if (StartsWith(line, u"Procedure")) names.push_back(DefinitionName(line));
    if (!line.empty() && random() % 8 == 0) {
      size_t from = random() % line.size();
      UString part = line.substr(from, 1 + random() % 6);
      if (part.find_first_of(u"( ") == UString::npos) names.push_back(part);
    }
  }
  return names;
}

void ExpectSamePasses(const UString& text, const std::string& what, uint64_t seed = 1) {
  SCOPED_TRACE(what);
  std::vector<UString> lines = SplitLines(text);

  ProcedureRemovalResult fast = RemoveUncalledProcedureBlocks(lines);
  ProcedureRemovalResult literal = oracle::LiteralRemoveUncalledProcedureBlocks(lines);
  ASSERT_TRUE(fast.ok);
  EXPECT_EQ(fast.text, literal.text);
  EXPECT_EQ(fast.removed, literal.removed);
  EXPECT_EQ(ProcedureLogItem(fast), ProcedureLogItem(literal));
  // The file's passes read the lines straight from its text.
  ProcedureRemovalResult from_text = RemoveUncalledProcedureBlocksInFile(FileLines::OfText(text));
  EXPECT_EQ(from_text.text, literal.text);
  EXPECT_EQ(from_text.removed, literal.removed);

  MacroRemovalResult fast_macros = RemoveMacroBlocks(lines);
  MacroRemovalResult literal_macros = oracle::LiteralRemoveMacroBlocks(lines);
  ASSERT_TRUE(fast_macros.ok);
  EXPECT_EQ(fast_macros.text, literal_macros.text);
  EXPECT_EQ(MacroLogItem(fast_macros), MacroLogItem(literal_macros));
  MacroRemovalResult macros_from_text = RemoveMacroBlocksInFile(FileLines::OfText(text));
  EXPECT_EQ(macros_from_text.text, literal_macros.text);
  EXPECT_EQ(MacroLogItem(macros_from_text), MacroLogItem(literal_macros));

  // The counts themselves, on the working text of the pass.
  std::mt19937_64 random(seed);
  std::vector<UString> names = NamesToCount(lines, random);
  UString working;
  for (const UString& line : lines) working += TrimBlanks(line) + u"\r\n";
  std::vector<int64_t> counts = CountProcedureReferences(working, names);
  UString lower = ToLower(working);
  for (size_t i = 0; i < names.size(); ++i) {
    ASSERT_EQ(counts[i], oracle::LiteralReferenceCount(lower, names[i])) << Utf8(names[i]);
  }
}

std::vector<std::filesystem::path> CorpusSources() {
  std::vector<std::filesystem::path> files;
  for (const char* folder : {"pb", "projects"}) {
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(std::filesystem::path(SPARLIN_CORPUS_DIR) / folder)) {
      std::string ext = entry.path().extension().string();
      if (entry.is_regular_file() && (ext == ".pb" || ext == ".pbi")) files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

UString ReadSource(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return DecodeWithBom(bytes.str());
}

// One small random edit: a piece of syntax inserted, a range deleted, or a
// piece of the text copied elsewhere.
void RandomEdit(UString& text, std::mt19937_64& random) {
  static const char16_t* const kPieces[] = {u"(",        u" (",           u"@",        u" ",         u"\r\n",
                                            u"\n",       u"\r",           u"\t",       u"Procedure ", u"EndProcedure",
                                            u"Macro ",   u"EndMacro",     u"ProcedureDLL ", u"\u00DC", u"x",
                                            u"\r\nProcedure a(", u"\r\nEndProcedure\r\n", u"\r\nEndMacro"};
  size_t at = text.empty() ? 0 : random() % (text.size() + 1);
  switch (random() % 3) {
    case 0: text.insert(at, kPieces[random() % std::size(kPieces)]); break;
    case 1: text.erase(at, 1 + random() % 20); break;
    default: {
      if (text.empty()) break;
      size_t from = random() % text.size();
      UString piece = text.substr(from, 1 + random() % 40);
      text.insert(at, piece);
    }
  }
}

// Names with more distinct characters than the walk's first-step table
// takes, so the counting walks the tree from its root.
TEST(SourcePassesDifferential, NamesOfManyCharacters) {
  std::mt19937_64 random(11);
  std::vector<UString> names = {u"", u"x"};
  UString text;
  for (char16_t ch = 0x100; ch < 0x1C0; ++ch) {
    names.push_back(UString(1, ch) + static_cast<char16_t>(u'a' + ch % 7));
    text += UString(random() % 2 ? u"@" : u" ") + static_cast<char16_t>(ch ^ (random() % 2)) +
            static_cast<char16_t>(u'a' + random() % 7) + (random() % 3 ? u"(" : u" (");
  }
  std::vector<int64_t> counts = CountProcedureReferences(text, names);
  UString lower = ToLower(text);
  for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(counts[i], oracle::LiteralReferenceCount(lower, names[i])) << i;
}

TEST(SourcePassesDifferential, CorpusSources) {
  std::vector<std::filesystem::path> files = CorpusSources();
  ASSERT_GT(files.size(), 50u);
  for (const auto& path : files) ExpectSamePasses(ReadSource(path), path.filename().string());
}

TEST(SourcePassesDifferential, GeneratedSourcesOverManySeeds) {
  for (uint64_t seed = 1; seed <= 60; ++seed) {
    std::string source = generators::GeneratePreprocessedSource(2000 + seed * 700, seed);
    ExpectSamePasses(U(source), "seed " + std::to_string(seed), seed);
  }
}

TEST(SourcePassesDifferential, RandomEditsOfGeneratedAndCorpusSources) {
  std::vector<std::filesystem::path> files = CorpusSources();
  std::mt19937_64 random(2026);
  for (int round = 0; round < 400; ++round) {
    UString text = round % 4 == 0 ? ReadSource(files[random() % files.size()])
                                  : U(generators::GeneratePreprocessedSource(1500, random()));
    if (text.size() > 6000) text = text.substr(random() % (text.size() - 6000), 6000);
    size_t edits = 1 + random() % 8;
    for (size_t i = 0; i < edits; ++i) RandomEdit(text, random);
    ExpectSamePasses(text, "round " + std::to_string(round), round);
    if (::testing::Test::HasFailure()) break;
  }
}

}  // namespace
}  // namespace sparlin
