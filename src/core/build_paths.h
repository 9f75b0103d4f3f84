// The paths that a build derives from others: where the compiler installation
// keeps its programs and libraries, and the files created beside the source.
#pragma once

#include "text/ustring.h"

namespace sparlin {

// The installation folder: the compilers folder ("...\Compilers\") without
// its last 10 characters; empty when it is not longer than that.
UString InstallationFolderOf(UStringView compilers_folder);
// "Compilers\pbcompiler.exe" of the installation.
UString CompilerPathOf(UStringView compilers_folder);
// The installation's "PureLibraries\" folder.
UString LibraryFolderOf(UStringView compilers_folder);

// The copy of the source with the editor constants filled in: "const_" +
// the source's file name, beside it.
UString ConstantsCopyPathOf(UStringView source_path);

// folder of source + name without extension + suffix + "." + extension.
UString DeriveOptimizedSourcePath(UStringView source_path, UStringView suffix);

// True when `text` holds a character that Windows allows in no file name:
// codes 0 to 31 and \ / : * ? " < > |.
bool HasCharacterNotAllowedInFileName(UStringView text);

// Whether two paths name the same file as Windows compares them: "/" and "\"
// alike, letter case ignored, "." and ".." folders resolved, a relative path
// taken from `base_folder`.
bool NamesSameFile(UStringView a, UStringView b, UStringView base_folder = {});

}  // namespace sparlin
