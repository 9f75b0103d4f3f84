#include "text/paths.h"

namespace sparlin {

UString PathFolder(UStringView path) {
  size_t sep = path.find_last_of(u"\\/");
  return sep == UStringView::npos ? UString() : UString(path.substr(0, sep + 1));
}

UString PathFileName(UStringView path) {
  size_t sep = path.find_last_of(u"\\/");
  return UString(sep == UStringView::npos ? path : path.substr(sep + 1));
}

UString PathBaseName(UStringView path) {
  UString name = PathFileName(path);
  size_t dot = name.rfind(u'.');
  return dot == UString::npos ? name : name.substr(0, dot);
}

UString PathExtension(UStringView path) {
  UString name = PathFileName(path);
  size_t dot = name.rfind(u'.');
  return dot == UString::npos ? UString() : name.substr(dot + 1);
}

}  // namespace sparlin
