// Paths of the programs under test, as Windows paths (Wine shows the Linux
// file system as drive Z:), and a temporary folder per test.
#pragma once

#include <filesystem>
#include <string>

namespace sparlin::wine_tests {

// "/a/b" -> "Z:\a\b".
std::wstring WindowsPath(const std::string& posix_path);

std::wstring SparlinExe();
std::wstring SparlinCliExe();
std::wstring CrashOutputExe();
std::wstring ChildProbeExe();
std::wstring ManyLinesExe();
std::wstring StandinCompiler();  // ...\standin-install\Compilers\pbcompiler.exe
std::wstring ExamplesFolder();

// A fresh folder under the system's temporary folder, removed at the end.
class TempFolder {
 public:
  explicit TempFolder(const std::wstring& name_part = L"");
  ~TempFolder();
  // The folder with a trailing backslash.
  const std::wstring& path() const { return path_; }
  std::wstring File(const std::wstring& name) const { return path_ + name; }
  void Write(const std::wstring& name, const std::string& bytes) const;
  std::string Read(const std::wstring& name) const;
  bool Exists(const std::wstring& name) const;

 private:
  std::wstring path_;
};

}  // namespace sparlin::wine_tests
