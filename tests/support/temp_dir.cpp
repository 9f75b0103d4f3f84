#include "support/temp_dir.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>

namespace sparlin::testing {

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("sparlin-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

UString TempDir::Folder() const { return DecodeUtf8(path_.string() + "/"); }
UString TempDir::File(const std::string& name) const { return DecodeUtf8((path_ / name).string()); }

void TempDir::Write(const std::string& name, const std::string& bytes) const {
  std::filesystem::create_directories((path_ / name).parent_path());
  std::ofstream(path_ / name, std::ios::binary) << bytes;
}

std::string TempDir::Read(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

bool TempDir::Exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

}  // namespace sparlin::testing
