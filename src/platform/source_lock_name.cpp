#include <cstdint>

#include "platform/source_lock.h"

namespace sparlin::platform {

UString SourceLockFileName(UStringView identity) {
  // FNV-1a over the UTF-16 code units of the identity.
  uint64_t hash = 14695981039346656037ull;
  for (char16_t c : identity) hash = (hash ^ c) * 1099511628211ull;
  UString name = u"Sparlin-";
  for (int shift = 60; shift >= 0; shift -= 4) name += u"0123456789abcdef"[(hash >> shift) & 0xF];
  return name + u".lock";
}

bool IsLeftoverTemporaryName(UStringView name) {
  constexpr UStringView kMark = u".sparlin-tmp-";
  constexpr size_t kDigits = 16;
  if (name.size() <= kMark.size() + kDigits) return false;
  size_t mark = name.size() - kDigits - kMark.size();
  if (name.substr(mark, kMark.size()) != kMark) return false;
  for (char16_t c : name.substr(name.size() - kDigits)) {
    if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'))) return false;
  }
  return true;
}

}  // namespace sparlin::platform
