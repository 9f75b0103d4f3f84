// The runtime libraries the stand-in knows: which library holds which
// PureBasic command, and each library's start-up and clean-up functions.
// The table is a subset of the real libraries' function lists, compiled into
// the program from data/library-functions.tsv.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace sparlin::standin {

enum class FunctionKind { kPlain, kHidden, kInit, kEnd };

struct LibraryFunction {
  std::string library;
  std::string name;  // without "PB_"
  FunctionKind kind = FunctionKind::kPlain;
  std::string parameters;  // "(Text$)" or empty
};

class LibraryCatalog {
 public:
  static const LibraryCatalog& Instance();
  explicit LibraryCatalog(std::string_view tsv);

  // The command of that name (letter case ignored), or null.
  const LibraryFunction* FindCommand(std::string_view name) const;
  // The variant name for a call with `argument_count` arguments: optional
  // parameters select the numbered variants (OpenConsole, OpenConsole2, ...)
  // where the library has them.
  std::string VariantFor(const LibraryFunction& command, size_t argument_count) const;
  bool HasFunction(std::string_view name) const;

  std::vector<std::string> LibraryNames() const;
  std::vector<const LibraryFunction*> FunctionsOf(std::string_view library) const;
  // Libraries that a library pulls into a program with it.
  std::vector<std::string> DependenciesOf(std::string_view library) const;

 private:
  std::vector<LibraryFunction> functions_;
  std::map<std::string, size_t> by_lower_name_;
  std::map<std::string, size_t> by_name_;
};

}  // namespace sparlin::standin
