#include "platform/temporary_name.h"

#include <cstdint>
#include <random>

namespace sparlin::platform {

UString TemporaryPathBeside(UStringView target) {
  static thread_local std::random_device random;
  uint64_t value = (static_cast<uint64_t>(random()) << 32) ^ random();
  UString path = UString(target) + u".sparlin-tmp-";
  for (int shift = 60; shift >= 0; shift -= 4) path += u"0123456789abcdef"[(value >> shift) & 0xF];
  return path;
}

}  // namespace sparlin::platform
