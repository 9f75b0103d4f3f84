#include "core/build_paths.h"

#include <vector>

#include "text/paths.h"
#include "text/text_ops.h"

namespace sparlin {

UString InstallationFolderOf(UStringView compilers_folder) {
  constexpr size_t kCompilersPart = 10;  // "Compilers\"
  return compilers_folder.size() > kCompilersPart
             ? UString(compilers_folder.substr(0, compilers_folder.size() - kCompilersPart))
             : UString();
}

UString CompilerPathOf(UStringView compilers_folder) {
  return InstallationFolderOf(compilers_folder) + u"Compilers\\pbcompiler.exe";
}

UString LibraryFolderOf(UStringView compilers_folder) {
  return InstallationFolderOf(compilers_folder) + u"PureLibraries\\";
}

UString ConstantsCopyPathOf(UStringView source_path) {
  return PathFolder(source_path) + u"const_" + PathFileName(source_path);
}

UString DeriveOptimizedSourcePath(UStringView source_path, UStringView suffix) {
  return PathFolder(source_path) + PathBaseName(source_path) + UString(suffix) + u"." + PathExtension(source_path);
}

bool HasCharacterNotAllowedInFileName(UStringView text) {
  for (char16_t c : text) {
    if (c < 32 || UStringView(u"\\/:*?\"<>|").find(c) != UStringView::npos) return true;
  }
  return false;
}

namespace {

// The path in one spelling: lower case, backslashes, no "." or ".." folders,
// no repeated separators.
UString ComparablePath(UStringView path, UStringView base_folder) {
  bool absolute = (path.size() >= 2 && path[1] == u':') || (!path.empty() && (path[0] == u'\\' || path[0] == u'/'));
  UString full = absolute ? UString(path) : UString(base_folder) + UString(path);
  std::vector<UString> parts;
  UString part;
  auto flush = [&] {
    if (part == u"..") {
      if (!parts.empty() && parts.back() != u"..") parts.pop_back();
    } else if (!part.empty() && part != u".") {
      parts.push_back(part);
    }
    part.clear();
  };
  for (char16_t c : ToLower(full)) {
    if (c == u'/' || c == u'\\') {
      flush();
    } else {
      part += c;
    }
  }
  flush();
  UString joined;
  for (const UString& p : parts) joined += u"\\" + p;
  return joined;
}

}  // namespace

bool NamesSameFile(UStringView a, UStringView b, UStringView base_folder) {
  if (a.empty() || b.empty()) return false;
  return ComparablePath(a, base_folder) == ComparablePath(b, base_folder);
}

}  // namespace sparlin
