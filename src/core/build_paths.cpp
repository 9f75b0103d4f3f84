#include "core/build_paths.h"

#include "text/paths.h"

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

}  // namespace sparlin
