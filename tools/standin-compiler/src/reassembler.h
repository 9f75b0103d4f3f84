// "/REASM": assembles the given assembly file with the flat assembler and
// writes the output program: a copy of the runner, the program's payload and
// a block of filler per runtime library still named in the header.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

namespace sparlin::standin {

struct ReassembleRequest {
  std::filesystem::path assembly;
  std::filesystem::path output;
  std::filesystem::path runner;  // the runner program to copy
};

// Prints status lines (and the assembler's messages on failure) to `out`.
// Returns the exit code of the run.
int Reassemble(const ReassembleRequest& request, std::ostream& out);

// Filler that stands for one library's linked code: a fixed block plus a
// part per function of the library, bytes that look compressed.
std::string LibraryFiller(const std::string& library);
constexpr size_t kLibraryBlockBytes = 4096;
constexpr size_t kBytesPerFunction = 64;

}  // namespace sparlin::standin
