#include "bench/bench_cases.h"

#include <fstream>
#include <memory>
#include <sstream>

#include "asm_stage/assembly_text_pass.h"
#include "generators/source_generator.h"
#include "text/line_splitter.h"
#include "source_stage/macro_removal.h"
#include "source_stage/procedure_removal.h"
#include "source_stage/source_encoding.h"
#include "text/text_ops.h"

namespace sparlin::bench {
namespace {

constexpr size_t kMB = 1000 * 1000;

// Keeps a result alive so that the compiler cannot drop the work.
volatile size_t g_sink = 0;

std::function<std::string()> Source(size_t bytes) {
  return [bytes] { return generators::GeneratePreprocessedSource(bytes, kSourceSeed); };
}

// The corpus assembly of a large program, repeated to about `bytes`.
std::function<std::string()> RepeatedCorpusAssembly(size_t bytes) {
  return [bytes] {
    std::ifstream in(std::string(SPARLIN_CORPUS_DIR) + "/asm/win-x64__pb570b3__PureBasicIDE__PureBasic.asm",
                     std::ios::binary);
    std::ostringstream read;
    read << in.rdbuf();
    std::string one = read.str();
    std::string text;
    if (one.empty()) return text;
    while (text.size() < bytes) text += one;
    return text;
  };
}

// The passes on the file's bytes, as the source stage hands them over.
std::function<void()> ProcedureRemoval(const std::string& text) {
  return [&text] { g_sink = g_sink + RemoveUncalledProcedureBlocks(text).text.size(); };
}

std::function<void()> MacroRemoval(const std::string& text) {
  return [&text] { g_sink = g_sink + RemoveMacroBlocks(text).text.size(); };
}

// The encoding step: the compiler's UTF-8 file rewritten as UTF-16 with its mark.
std::function<void()> SourceEncoding(const std::string& text) {
  return [&text] { g_sink = g_sink + ConvertedPreprocessedBytes(text, TextEncoding::kUtf16LE).size(); };
}

// Compiler output arriving in pipe-sized reads.
std::function<void()> LineSplitting(const std::string& text) {
  return [&text] {
    LineSplitter splitter;
    size_t at = 0;
    std::string line;
    while (splitter.NextLine(line, [&](char* chunk, size_t size) {
      size_t piece = std::min(size, text.size() - at);
      text.copy(chunk, piece, at);
      at += piece;
      return piece;
    })) {
      g_sink = g_sink + line.size();
    }
  };
}

// The line rules without pruning (comments, empty lines and paths removed) on
// the file's bytes, as the assembly stage runs them.
std::function<void()> AssemblyTextPass(const std::string& file) {
  auto text = std::make_shared<const std::string>(file);
  return [text] {
    AsmPassOptions options;
    options.remove_empty = options.remove_comments = options.remove_absolute_paths = true;
    AsmValues assembly;
    g_sink = g_sink + RewriteAssemblyBytes(*text, options, u"C:\\PureBasic\\Src\\", assembly).text.size();
  };
}

// The same on a file with one line of other characters, which the builder
// then counts in UTF-16 units line by line.
std::function<void()> NonAsciiAssemblyTextPass(const std::string& file) {
  return AssemblyTextPass("; Gr\xC3\xBC\xC3\x9F" "e aus M\xC3\xBCnchen\r\n" + file);
}

}  // namespace

bool WriteGeneratedSource(const std::string& file, size_t bytes) {
  std::ofstream out(file, std::ios::binary);
  out << generators::GeneratePreprocessedSource(bytes, kSourceSeed);
  return static_cast<bool>(out);
}

std::vector<BenchCase> AllCases() {
  std::vector<BenchCase> cases = {
      {"procedure removal, 1 MB source", Source(1 * kMB), ProcedureRemoval},
      {"procedure removal, 10 MB source", Source(10 * kMB), ProcedureRemoval},
      {"macro removal, 1 MB source", Source(1 * kMB), MacroRemoval},
      {"macro removal, 10 MB source", Source(10 * kMB), MacroRemoval},
      {"source encoding, 10 MB to UTF-16", Source(10 * kMB), SourceEncoding},
      {"line splitter, one 50 MB line", [] { return std::string(50 * kMB, 'x') + "\n"; }, LineSplitting},
      {"assembly text pass, 20 MB, no pruning", RepeatedCorpusAssembly(20 * kMB), AssemblyTextPass},
      {"assembly text pass, 20 MB, one line past ASCII", RepeatedCorpusAssembly(20 * kMB), NonAsciiAssemblyTextPass},
  };
  for (BenchCase& c : PruningCases()) cases.push_back(std::move(c));
  return cases;
}

}  // namespace sparlin::bench
