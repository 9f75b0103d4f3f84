#include "installation.h"

#include "library_catalog.h"
#include "library_file.h"
#include "text_util.h"

namespace sparlin::standin {
namespace fs = std::filesystem;

bool WriteInstallationData(const fs::path& installation, std::ostream& out) {
  std::error_code ec;
  fs::create_directories(installation / "PureLibraries", ec);
  fs::create_directories(installation / "Compilers", ec);
  const LibraryCatalog& catalog = LibraryCatalog::Instance();
  size_t count = 0;
  for (const std::string& library : catalog.LibraryNames()) {
    if (!WriteFileBytes(installation / "PureLibraries" / library,
                        LibraryFileBytes(library, catalog.FunctionsOf(library)))) {
      out << "Error: can't write the library file for " << library << "\n";
      return false;
    }
    ++count;
  }
  for (const char* dll : {"Engine3d.dll", "Scintilla.dll", "libmariadb.dll"}) {
    std::string bytes = std::string("MZ") + std::string(62, '\0') + "Sparlin stand-in for " + dll +
                        " (not the real library)\r\n";
    if (!WriteFileBytes(installation / "Compilers" / dll, bytes)) {
      out << "Error: can't write " << dll << "\n";
      return false;
    }
  }
  out << "Stand-in installation: " << count << " library files written to "
      << PathText(installation / "PureLibraries") << "\n";
  return true;
}

}  // namespace sparlin::standin
