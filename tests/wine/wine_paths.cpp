#include "wine_paths.h"

#include <windows.h>

#include <atomic>
#include <fstream>
#include <sstream>

namespace sparlin::wine_tests {

std::wstring WindowsPath(const std::string& posix_path) {
  std::wstring out = L"Z:";
  for (char c : posix_path) out += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
  return out;
}

std::wstring SparlinExe() { return WindowsPath(SPARLIN_EXE); }
std::wstring SparlinCliExe() { return WindowsPath(SPARLIN_CLI_EXE); }
std::wstring CrashOutputExe() { return WindowsPath(CRASH_OUTPUT_EXE); }
std::wstring ChildProbeExe() { return WindowsPath(CHILD_PROBE_EXE); }
std::wstring ManyLinesExe() { return WindowsPath(MANY_LINES_EXE); }
std::wstring StandinCompiler() { return WindowsPath(STANDIN_INSTALL "/Compilers/pbcompiler.exe"); }
std::wstring ExamplesFolder() { return WindowsPath(EXAMPLES_DIR "/"); }

TempFolder::TempFolder(const std::wstring& name_part) {
  static std::atomic<int> counter{0};
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  path_ = std::wstring(base) + L"sparlin-wine-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(counter++) + name_part + L"\\";
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void TempFolder::Write(const std::wstring& name, const std::string& bytes) const {
  std::filesystem::path file(File(name));
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

std::string TempFolder::Read(const std::wstring& name) const {
  std::ifstream in(std::filesystem::path(File(name)), std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

bool TempFolder::Exists(const std::wstring& name) const { return std::filesystem::exists(File(name)); }

}  // namespace sparlin::wine_tests
