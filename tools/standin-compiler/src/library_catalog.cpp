#include "library_catalog.h"

#include <algorithm>

#include "text_util.h"

namespace sparlin::standin {

extern const char* const kLibraryFunctionsTsv;  // generated from data/library-functions.tsv

namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return fields;
}

FunctionKind KindFromText(const std::string& text) {
  if (text == "init") return FunctionKind::kInit;
  if (text == "end") return FunctionKind::kEnd;
  if (text == "hidden") return FunctionKind::kHidden;
  return FunctionKind::kPlain;
}

// Required parameters: those before the first '[' of the parameter text.
size_t RequiredParameters(const std::string& parameters) {
  std::string head = parameters.substr(0, parameters.find('['));
  std::string inner = TrimSpaces(head);
  if (!inner.empty() && inner.front() == '(') inner.erase(0, 1);
  if (!inner.empty() && inner.back() == ')') inner.pop_back();
  inner = TrimSpaces(inner);
  if (inner.empty()) return 0;
  size_t count = static_cast<size_t>(std::count(inner.begin(), inner.end(), ',')) + 1;
  if (TrimSpaces(inner).back() == ',') --count;
  return count;
}

}  // namespace

const LibraryCatalog& LibraryCatalog::Instance() {
  static const LibraryCatalog catalog(kLibraryFunctionsTsv);
  return catalog;
}

LibraryCatalog::LibraryCatalog(std::string_view tsv) {
  std::vector<std::string> lines = SplitTextLines(tsv);
  for (size_t n = 1; n < lines.size(); ++n) {
    std::vector<std::string> fields = SplitTabs(lines[n]);
    if (fields.size() < 2 || fields[0].empty()) continue;
    LibraryFunction f;
    f.library = fields[0];
    f.name = fields[1];
    f.kind = fields.size() > 2 ? KindFromText(fields[2]) : FunctionKind::kPlain;
    f.parameters = fields.size() > 3 ? fields[3] : "";
    by_name_.emplace(f.name, functions_.size());
    if (f.kind == FunctionKind::kPlain) by_lower_name_.emplace(AsciiLower(f.name), functions_.size());
    functions_.push_back(std::move(f));
  }
}

const LibraryFunction* LibraryCatalog::FindCommand(std::string_view name) const {
  auto found = by_lower_name_.find(AsciiLower(name));
  return found == by_lower_name_.end() ? nullptr : &functions_[found->second];
}

bool LibraryCatalog::HasFunction(std::string_view name) const {
  return by_name_.count(std::string(name)) > 0;
}

std::string LibraryCatalog::VariantFor(const LibraryFunction& command, size_t argument_count) const {
  size_t required = RequiredParameters(command.parameters);
  std::string best = command.name;
  for (size_t extra = 1; required + extra <= argument_count; ++extra) {
    std::string variant = command.name + std::to_string(extra + 1);
    if (HasFunction(variant)) best = variant;
  }
  return best;
}

std::vector<std::string> LibraryCatalog::LibraryNames() const {
  std::vector<std::string> names;
  for (const LibraryFunction& f : functions_)
    if (std::find(names.begin(), names.end(), f.library) == names.end()) names.push_back(f.library);
  return names;
}

std::vector<const LibraryFunction*> LibraryCatalog::FunctionsOf(std::string_view library) const {
  std::vector<const LibraryFunction*> result;
  for (const LibraryFunction& f : functions_)
    if (f.library == library) result.push_back(&f);
  return result;
}

std::vector<std::string> LibraryCatalog::DependenciesOf(std::string_view library) const {
  // What the real libraries drag along, as far as the stand-in's programs
  // need it: windows need the desktop, gadgets need windows and fonts, images
  // need the decoder registry and the alpha-channel code.
  static const std::map<std::string, std::vector<std::string>, std::less<>> kDependencies = {
      {"Gadget", {"Window", "Font", "SimpleList"}},
      {"Window", {"Desktop", "SimpleList"}},
      {"Menu", {"Window"}},
      {"StatusBar", {"Window"}},
      {"Image", {"ImagePlugin", "AlphaImage"}},
      {"2DDrawing", {"Image", "Font"}},
      {"ImagePluginBMP", {"ImagePlugin", "Image"}},
      {"ImagePluginGIF", {"ImagePlugin", "Image"}},
      {"ImagePluginJPEG", {"ImagePlugin", "Image"}},
      {"ImagePluginJPEG2000", {"ImagePlugin", "Image"}},
      {"ImagePluginPNG", {"ImagePlugin", "Image"}},
      {"ImagePluginTGA", {"ImagePlugin", "Image"}},
      {"ImagePluginTIFF", {"ImagePlugin", "Image"}},
      {"Scintilla", {"Gadget"}},
      {"DatabaseMySQL", {"Database"}},
      {"Engine3D", {"Window"}},
  };
  auto found = kDependencies.find(library);
  return found == kDependencies.end() ? std::vector<std::string>() : found->second;
}

}  // namespace sparlin::standin
