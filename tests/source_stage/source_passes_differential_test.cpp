// The shipped procedure and macro removal against their straightforward
// forms: on the real corpus, on generated sources over many seeds, and on
// random small edits of both, as a UTF-8 file's bytes and as the text of a
// UTF-16 file. Output text, log items and reference counts must be
// identical.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "generators/source_generator.h"
#include "oracle/literal_source_passes.h"
#include "source_stage/macro_removal.h"
#include "source_stage/procedure_references.h"
#include "source_stage/procedure_removal.h"
#include "text/text_ops.h"
#include "text/utf8_pieces.h"

namespace sparlin {
namespace {

// The names whose references the passes count, plus names that the counting
// must treat alike: the empty name, inner parts and a name with "@".
std::vector<UString> NamesToCount(const std::vector<UString>& lines, std::mt19937_64& random) {
  std::vector<UString> names = {u"", u"@x", u"line", u"LINE"};
  for (const UString& raw : lines) {
    UString line = TrimBlanks(raw);
    if (StartsWith(line, u"Procedure")) {
      UString head = line.substr(0, line.find(u'('));
      size_t blank = head.find(u' ');
      if (blank != UString::npos) names.push_back(head.substr(blank + 1, head.find(u' ', blank + 1) - blank - 1));
    }
    if (!line.empty() && random() % 8 == 0) {
      size_t from = random() % line.size();
      UString part = line.substr(from, 1 + random() % 6);
      if (part.find_first_of(u"( ") == UString::npos) names.push_back(part);
    }
  }
  return names;
}

// The passes on `file` (the bytes of `text` in `file.form`) against the
// literal passes on the lines of `text`.
void ExpectSamePasses(const SourceText& file, const UString& text, uint64_t seed) {
  std::vector<UString> lines = SplitLines(text);
  auto as_text = [&file](const std::string& bytes) { return DecodeUtf8As(bytes, file.form); };

  ProcedureRemovalResult fast = RemoveUncalledProcedureBlocks(file);
  oracle::LiteralPassResult literal = oracle::LiteralRemoveUncalledProcedureBlocks(lines);
  ASSERT_TRUE(fast.ok);
  EXPECT_EQ(as_text(fast.text), literal.text);
  EXPECT_EQ(ProcedureLogItem(fast), literal.log_item);

  MacroRemovalResult fast_macros = RemoveMacroBlocks(file);
  oracle::LiteralPassResult literal_macros = oracle::LiteralRemoveMacroBlocks(lines);
  ASSERT_TRUE(fast_macros.ok);
  EXPECT_EQ(as_text(fast_macros.text), literal_macros.text);
  EXPECT_EQ(MacroLogItem(fast_macros), literal_macros.log_item);

  // The counts themselves, on the working text of the pass.
  std::mt19937_64 random(seed);
  std::vector<UString> names = NamesToCount(lines, random);
  UString working;
  for (const UString& line : lines) working += TrimBlanks(line) + u"\r\n";
  const std::string working_bytes = file.form == Utf8Form::kFile ? EncodeUtf8(working) : Utf16AsBytes(working);
  std::vector<int64_t> counts = CountProcedureReferences(working_bytes, file.form, names);
  UString lower = ToLower(working);
  for (size_t i = 0; i < names.size(); ++i) {
    ASSERT_EQ(counts[i], oracle::LiteralReferenceCount(lower, names[i])) << Utf8(names[i]);
  }
}

// A UTF-8 file's bytes, whatever they hold.
void ExpectSameOnBytes(const std::string& bytes, const std::string& what, uint64_t seed = 1) {
  SCOPED_TRACE(what);
  ExpectSamePasses(SourceText(bytes), DecodeUtf8(bytes), seed);
}

// The text of a UTF-16 file, lone surrogates included.
void ExpectSameOnUtf16(const UString& text, const std::string& what, uint64_t seed = 1) {
  SCOPED_TRACE(what + " (UTF-16)");
  const std::string bytes = Utf16AsBytes(text);
  ASSERT_EQ(DecodeUtf8As(bytes, Utf8Form::kWithSurrogates), text);
  ExpectSamePasses(SourceText(bytes, Utf8Form::kWithSurrogates), text, seed);
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

// The text after a byte-order mark: a UTF-16 file's decoded, a UTF-8 file's
// bytes.
struct Source {
  bool utf16 = false;
  std::string bytes;
  UString text;
};

Source ReadSource(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream read;
  read << in.rdbuf();
  std::string bytes = read.str();
  DetectedBom bom = DetectBom(bytes);
  if (bom.encoding == TextEncoding::kAscii || bom.encoding == TextEncoding::kUtf8) {
    return {false, bytes.substr(bom.length), {}};
  }
  return {true, {}, DecodeWithBom(bytes)};
}

// One small random edit: a piece of syntax inserted, a range deleted, or a
// piece of the text copied elsewhere.
template <typename String>
void RandomEdit(String& text, std::mt19937_64& random, const std::vector<String>& pieces) {
  size_t at = text.empty() ? 0 : random() % (text.size() + 1);
  switch (random() % 3) {
    case 0: text.insert(at, pieces[random() % pieces.size()]); break;
    case 1: text.erase(at, 1 + random() % 20); break;
    default: {
      if (text.empty()) break;
      size_t from = random() % text.size();
      String piece = text.substr(from, 1 + random() % 40);
      text.insert(at, piece);
    }
  }
}

const std::vector<std::string> kBytePieces = {
    "(", " (", "@", " ", "\r\n", "\n", "\r", "\t", "Procedure ", "EndProcedure", "Macro ", "EndMacro",
    "ProcedureDLL ", "\xC3\x9C", "\xC3\xBC", "x", "\r\nProcedure a(", "\r\nEndProcedure\r\n", "\r\nEndMacro",
    "\xC3", "\x80", "\xED\xA0\x80", "\xF0\x9F\x98\x80", "\xCE\xA3(", "\xCF\x83 ("};
const std::vector<UString> kUnitPieces = {
    u"(", u" (", u"@", u" ", u"\r\n", u"\n", u"\r", u"Procedure ", u"EndProcedure", u"Macro ", u"EndMacro",
    u"\u00DC", u"\u00FC", u"\r\nProcedure a(", u"\r\nEndProcedure\r\n", UString(1, 0xD800), UString(1, 0xDC80),
    UString(1, 0xDE00), u"\U0001F600", UString(1, 0xDE00) + u"(", u"\u03A3("};

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
  std::vector<int64_t> counts = CountProcedureReferences(EncodeUtf8(text), Utf8Form::kFile, names);
  UString lower = ToLower(text);
  for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(counts[i], oracle::LiteralReferenceCount(lower, names[i])) << i;
}

// Names that are halves of what the text holds: a lone low surrogate that
// ends a pair, a byte that is not UTF-8 before or inside a sequence.
TEST(SourcePassesDifferential, NamesThatArePartsOfACharacter) {
  const UString low(1, 0xDE00);
  std::vector<UString> names = {low, u"a" + low, UString(1, 0xDCA9), u"x" + UString(1, 0xDCC3)};
  const UString pair = u"\U0001F600";  // D83D DE00
  UString text16 = pair + u"(" + u"@" + low + u"(" + u"a" + pair + u" (" + u"@" + pair + u"(";
  std::vector<int64_t> counts = CountProcedureReferences(Utf16AsBytes(text16), Utf8Form::kWithSurrogates, names);
  for (size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(counts[i], oracle::LiteralReferenceCount(ToLower(text16), names[i])) << i;
  }
  const std::string bytes = "\xC3\xA9(x\xC3(@\xA9(\xA9 (";
  counts = CountProcedureReferences(bytes, Utf8Form::kFile, names);
  for (size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(counts[i], oracle::LiteralReferenceCount(ToLower(DecodeUtf8(bytes)), names[i])) << i;
  }
}

TEST(SourcePassesDifferential, CorpusSources) {
  std::vector<std::filesystem::path> files = CorpusSources();
  ASSERT_GT(files.size(), 50u);
  for (const auto& path : files) {
    Source source = ReadSource(path);
    if (source.utf16) {
      ExpectSameOnUtf16(source.text, path.filename().string());
    } else {
      ExpectSameOnBytes(source.bytes, path.filename().string());
      ExpectSameOnUtf16(DecodeUtf8(source.bytes), path.filename().string());
    }
  }
}

TEST(SourcePassesDifferential, GeneratedSourcesOverManySeeds) {
  for (uint64_t seed = 1; seed <= 60; ++seed) {
    std::string source = generators::GeneratePreprocessedSource(2000 + seed * 700, seed);
    ExpectSameOnBytes(source, "seed " + std::to_string(seed), seed);
    if (seed % 4 == 0) ExpectSameOnUtf16(DecodeUtf8(source), "seed " + std::to_string(seed), seed);
  }
}

TEST(SourcePassesDifferential, RandomEditsOfGeneratedAndCorpusSources) {
  std::vector<std::filesystem::path> files = CorpusSources();
  std::mt19937_64 random(2026);
  for (int round = 0; round < 400; ++round) {
    Source source;
    if (round % 4 == 0) source = ReadSource(files[random() % files.size()]);
    else source.bytes = generators::GeneratePreprocessedSource(1500, random());
    const std::string what = "round " + std::to_string(round);
    size_t edits = 1 + random() % 8;
    if (round % 2 == 0 && !source.utf16) {
      std::string& bytes = source.bytes;
      if (bytes.size() > 6000) bytes = bytes.substr(random() % (bytes.size() - 6000), 6000);
      for (size_t i = 0; i < edits; ++i) RandomEdit(bytes, random, kBytePieces);
      ExpectSameOnBytes(bytes, what, round);
    } else {
      UString text = source.utf16 ? source.text : DecodeUtf8(source.bytes);
      if (text.size() > 6000) text = text.substr(random() % (text.size() - 6000), 6000);
      for (size_t i = 0; i < edits; ++i) RandomEdit(text, random, kUnitPieces);
      ExpectSameOnUtf16(text, what, round);
    }
    if (::testing::Test::HasFailure()) break;
  }
}

}  // namespace
}  // namespace sparlin
