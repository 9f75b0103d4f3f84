// Benchmark cases of the assembly stage on generated assembly of about 3 000
// runtime symbols over 80 libraries: library pruning alone (counting and
// removal, on the ASCII text as the assembly stage hands it over), and the whole rewrite of the file as sparlin-cli does it (read,
// decode, line rules, pruning, encode, safe write) on the in-memory file
// system.
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "asm_stage/assembly_rewrite.h"
#include "asm_stage/assembly_text_pass.h"
#include "bench/bench_cases.h"
#include "generators/assembly_generator.h"
#include "pruning/uncalled_removal.h"
#include "support/fake_host.h"

namespace sparlin::bench {
namespace {

constexpr size_t kMB = 1000 * 1000;
constexpr char16_t kLibraryFolder[] = u"C:\\PB\\PureLibraries\\";
constexpr char16_t kAsmPath[] = u"C:\\w\\PureBasic.asm";
// Copies of the input made before the timing, one for each run.
constexpr int kPreparedRuns = 9;

volatile size_t g_sink = 0;

std::shared_ptr<const testing::GeneratedAssembly> Generated(size_t bytes) {
  static std::map<size_t, std::shared_ptr<const testing::GeneratedAssembly>> cache;
  auto& slot = cache[bytes];
  if (!slot) {
    testing::AssemblyShape shape;
    shape.seed = 7;
    shape.bytes = bytes;
    shape.symbols = 3000;
    shape.libraries = 80;
    slot = std::make_shared<const testing::GeneratedAssembly>(testing::GenerateAssembly(shape));
  }
  return slot;
}

BenchCase Pruning(size_t megabytes) {
  size_t bytes = megabytes * kMB;
  return {"library pruning, " + std::to_string(megabytes) + " MB assembly",
          [bytes] { return EncodeUtf8(Generated(bytes)->text); },
          [bytes](const std::string& utf8) -> std::function<void()> {
            auto generated = Generated(bytes);
            // Room to grow behind the text, as the assembly stage's line pass leaves it.
            auto copies = std::make_shared<std::deque<std::string>>(kPreparedRuns);
            for (std::string& copy : *copies) {
              copy.reserve(PrunableTextCapacity(utf8.size()));
              copy = utf8;
            }
            return [generated, copies, utf8] {
              std::string text = copies->empty() ? utf8 : std::move(copies->front());
              if (!copies->empty()) copies->pop_front();
              std::vector<UString> libraries = generated->libraries;
              PruningSettings settings;
              settings.is_64_bit = true;
              PruningIo io;
              io.read_file = [&](const UString& path, std::string& file) {
                auto found = generated->library_files.find(path.substr(UStringView(kLibraryFolder).size()));
                if (found == generated->library_files.end()) return false;
                file = found->second;
                return true;
              };
              io.log = [](const UString&) {};
              io.progress = [](int) {};
              io.beep = [] {};
              g_sink = g_sink +
                       RemoveUncalledLibraries(libraries, std::move(text), kLibraryFolder, settings, io).size();
            };
          }};
}

// A build's context on the in-memory file system, holding the library files.
struct StageWorld {
  testing::InMemoryBuild build;
  std::deque<std::string> inputs;
};

BenchCase WholeStage(size_t megabytes) {
  size_t bytes = megabytes * kMB;
  return {"assembly stage with pruning, " + std::to_string(megabytes) + " MB",
          [bytes] { return EncodeUtf8(Generated(bytes)->text); },
          [bytes](const std::string& text) -> std::function<void()> {
            auto world = std::make_shared<StageWorld>();
            for (const auto& [name, file] : Generated(bytes)->library_files) {
              world->build.files.Write(kLibraryFolder + name, file);
            }
            GlobalValues& g = world->build.state.globals;
            g.AsmPath = kAsmPath;
            g.SourcePath = u"C:\\w\\prog.pb";
            g.CompilersFolder = u"C:\\PB\\Compilers\\";
            world->inputs.assign(kPreparedRuns, text);
            return [world, text] {
              world->build.files.Write(kAsmPath, world->inputs.empty() ? text : std::move(world->inputs.front()));
              if (!world->inputs.empty()) world->inputs.pop_front();
              world->build.state.assembly = AsmValues();
              RewriteAssemblyFile(world->build.ctx);
              g_sink = g_sink + world->build.files.Read(kAsmPath)->size();
            };
          }};
}

}  // namespace

bool WriteGeneratedInstallation(const std::string& folder, size_t bytes) {
  auto generated = Generated(bytes);
  std::filesystem::create_directories(folder + "/PureLibraries");
  std::ofstream(folder + "/PureBasic.asm", std::ios::binary) << EncodeUtf8(generated->text);
  for (const auto& [name, file] : generated->library_files) {
    std::ofstream(folder + "/PureLibraries/" + EncodeUtf8(name), std::ios::binary) << file;
  }
  return true;
}

std::vector<BenchCase> PruningCases() {
  return {Pruning(1), Pruning(10), Pruning(50), WholeStage(10), WholeStage(50)};
}

}  // namespace sparlin::bench
