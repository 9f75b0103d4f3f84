#include "platform/source_lock.h"

#include <cstdint>

#include "text/text_ops.h"

namespace sparlin::platform {

UString SourceLockFileName(UStringView source_path) {
  // FNV-1a over the UTF-16 code units of the compared form of the path.
  uint64_t hash = 14695981039346656037ull;
  for (char16_t c : ToLower(source_path)) {
    if (c == u'/') c = u'\\';
    hash = (hash ^ c) * 1099511628211ull;
  }
  UString name = u"Sparlin-";
  for (int shift = 60; shift >= 0; shift -= 4) name += u"0123456789abcdef"[(hash >> shift) & 0xF];
  return name + u".lock";
}

}  // namespace sparlin::platform
