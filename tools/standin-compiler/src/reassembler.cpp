#include "reassembler.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "assembly_facts.h"
#include "library_catalog.h"
#include "text/ustring.h"
#include "text_util.h"

namespace sparlin::standin {
namespace fs = std::filesystem;

namespace {

std::string GetEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string ShellQuote(const std::string& text) {
#ifdef _WIN32
  return "\"" + text + "\"";
#else
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
#endif
}

// Runs the assembler; its messages (standard output and error) land in
// `messages`. Returns its exit status, or -1 when no assembler is configured.
int RunAssembler(const fs::path& assembly, const fs::path& object, std::string& messages) {
  std::string command = GetEnvironment("SPARLIN_STANDIN_FASM");
#ifndef _WIN32
  if (command.empty()) command = "qemu-i386 -L / /usr/bin/fasm";
#endif
  if (command.empty()) return -1;
  fs::path log = object;
  log.replace_extension(".log");
  std::string line = command + " " + ShellQuote(PathText(assembly)) + " " + ShellQuote(PathText(object)) +
                     " > " + ShellQuote(PathText(log)) + " 2>&1";
#ifdef _WIN32
  line = "\"" + line + "\"";  // cmd.exe drops the outer pair of quotes
#endif
  int status = std::system(line.c_str());
  ReadFileBytes(log, messages);
  std::error_code ec;
  fs::remove(log, ec);
  return status;
}

// Defined symbols that the definition file of a DLL exports must exist as
// public symbols of the assembly, as the linker would demand.
std::string MissingExport(const fs::path& assembly_path, const std::string& assembly) {
  std::string definitions;
  if (!ReadFileBytes(assembly_path.parent_path() / "PureBasic.def", definitions)) return {};
  for (const std::string& line : SplitTextLines(definitions)) {
    size_t pair = line.find("\"=\"");
    if (pair == std::string::npos) continue;
    size_t end = line.find('"', pair + 3);
    std::string symbol = line.substr(pair + 3, end == std::string::npos ? std::string::npos : end - pair - 3);
    bool found = false;
    for (const std::string& asm_line : SplitTextLines(assembly)) found = found || asm_line == "public " + symbol;
    if (!found) return symbol;
  }
  return {};
}

// The library's internal entry points ("PB_SimpleList_...") that the code
// still declares are only linked with the SimpleList library in the header.
std::string MissingSimpleListSymbol(const std::string& assembly, const std::vector<std::string>& libraries) {
  if (std::find(libraries.begin(), libraries.end(), "SimpleList") != libraries.end()) return {};
  for (const std::string& line : SplitTextLines(assembly)) {
    size_t at = line.find("PB_SimpleList_");
    if (line.rfind("extrn ", 0) != 0 || at == std::string::npos) continue;
    return TrimSpaces(line.substr(6));
  }
  return {};
}

uint64_t Fnv1a(std::string_view text) {
  uint64_t hash = 1469598103934665603ull;
  for (char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return hash;
}

}  // namespace

std::string LibraryFiller(const std::string& library) {
  size_t functions = LibraryCatalog::Instance().FunctionsOf(library).size();
  size_t size = kLibraryBlockBytes + kBytesPerFunction * functions;
  std::string block;
  block.reserve(size);
  uint64_t state = Fnv1a(library) | 1;
  while (block.size() < size) {  // xorshift: deterministic, incompressible-looking
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    block += static_cast<char>(state & 0xFF);
  }
  return block;
}

int Reassemble(const ReassembleRequest& request, std::ostream& out) {
  std::string assembly;
  if (!ReadFileBytes(request.assembly, assembly)) {
    out << "Error: can't open the assembly file '" << PathText(request.assembly) << "'.\n";
    return 1;
  }
  if (request.output.empty()) {
    out << "Error: no output file given (/EXE).\n";
    return 1;
  }
  out << "Assembling '" << PathText(request.assembly.filename()) << "'...\n";
  std::string object_bytes;
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path object = fs::temp_directory_path() / ("sparlin-standin-" + std::to_string(stamp) + ".obj");
  std::string messages;
  int status = RunAssembler(request.assembly, object, messages);
  if (status < 0) {
    out << "No flat assembler configured (SPARLIN_STANDIN_FASM): assembly check skipped.\n";
  } else if (status != 0) {
    out << messages;
    if (!messages.empty() && messages.back() != '\n') out << "\n";
    out << "Error: the assembler failed.\n";
    std::error_code ec;
    fs::remove(object, ec);
    return 1;
  } else {
    ReadFileBytes(object, object_bytes);
    std::error_code ec;
    fs::remove(object, ec);
  }

  AssemblyFacts facts = ReadAssemblyFacts(assembly);
  if (facts.is_dll) {
    std::string missing = MissingExport(request.assembly, assembly);
    if (!missing.empty()) {
      out << "POLINK: error: Unresolved external symbol '" << missing << "'.\n";
      return 1;
    }
  }
  std::string unlinked = MissingSimpleListSymbol(assembly, facts.payload.libraries);
  if (!unlinked.empty()) {
    out << "POLINK: error: Unresolved external symbol '" << unlinked << "'.\n";
    return 1;
  }
  std::string runner;
  if (!ReadFileBytes(request.runner, runner)) {
    out << "Error: the runner program '" << PathText(request.runner) << "' is missing.\n";
    return 1;
  }
  out << "Linking " << facts.payload.libraries.size() << " runtime libraries...\n";
  std::string filler = object_bytes;
  for (const std::string& library : facts.payload.libraries) filler += LibraryFiller(library);
  std::string file = BuildOutputFile(runner, EncodePayload(facts.payload), filler);
  if (!WriteFileBytes(request.output, file)) {
    out << "Error: can't create the output file '" << PathText(request.output) << "'.\n";
    return 1;
  }
  std::error_code ec;
  fs::permissions(request.output, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add, ec);
  out << "Output written: " << PathText(request.output) << " (" << file.size() << " bytes)\n";
  return 0;
}

}  // namespace sparlin::standin
