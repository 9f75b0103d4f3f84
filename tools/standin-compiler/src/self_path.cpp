#include "self_path.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace sparlin::standin {

std::filesystem::path SelfPath() {
#ifdef _WIN32
  wchar_t buffer[32768];
  DWORD length = GetModuleFileNameW(nullptr, buffer, 32768);
  return std::filesystem::path(std::wstring(buffer, length));
#else
  std::error_code ec;
  return std::filesystem::read_symlink("/proc/self/exe", ec);
#endif
}

}  // namespace sparlin::standin
