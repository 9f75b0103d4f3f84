// The literal pruning: the program's removal steps over a UTF-16 text that
// is searched and rewritten whole at every step, with the library files, the
// reference forms and the plugin probes read by the oracle's own code.
#include "oracle/literal_pruning.h"

#include <algorithm>

#include "oracle/literal_library_files.h"
#include "oracle/literal_plugins.h"
#include "oracle/literal_reference_forms.h"
#include "text/text_ops.h"

namespace sparlin::oracle {
namespace {

UString CommentOutFirst(UStringView text, UStringView form) {
  size_t hit = text.find(form);
  if (hit == UStringView::npos) return UString(text);
  UString out(text);
  out.insert(hit, u"; ");
  return out;
}

UString CommentOutAll(UStringView text, UStringView form) { return ReplaceAll(text, form, u"; " + UString(form)); }

bool DeclaresEither(UStringView text, UStringView name) {
  return Contains(text, u"extrn " + UString(name)) || Contains(text, u"extrn _" + UString(name));
}

// The assembly text as UTF-16, searched and rewritten whole at every step.
class Utf16LiteralText final : public PruningText {
 public:
  Utf16LiteralText(UString text, bool is_64_bit)
      : text_(std::move(text)), unedited_(EncodeUtf8(text_)), is_64_bit_(is_64_bit) {}

  std::vector<int64_t> CountReferences(const std::vector<UString>& symbols, const std::vector<UString>&) override {
    std::vector<int64_t> counts;
    for (const UString& symbol : symbols) {
      int64_t sum = 0;
      for (const UString& form : LiteralCountedForms(symbol, is_64_bit_)) {
        sum += static_cast<int64_t>(CountOccurrences(text_, form));
      }
      counts.push_back(sum);
    }
    return counts;
  }
  std::string_view Unedited() const override { return unedited_; }
  void CommentOutFirstDeclaration(const UString& f) override {
    for (const UString& form : LiteralDeclarationForms(f, is_64_bit_)) text_ = CommentOutFirst(text_, form);
  }
  void CommentOutFunction(const UString& f) override {
    for (const UString& form : LiteralDeclarationForms(f, is_64_bit_)) text_ = CommentOutAll(text_, form);
    for (const UString& form : LiteralCallForms(f, is_64_bit_)) text_ = CommentOutAll(text_, form);
  }
  bool Declares(DeclarationCheck check) override {
    switch (check) {
      case DeclarationCheck::kScintillaGadget: return DeclaresEither(text_, u"PB_ScintillaGadget");
      case DeclarationCheck::kOpenWindow: return DeclaresEither(text_, u"PB_OpenWindow");
      case DeclarationCheck::kAllocateArray: return DeclaresEither(text_, u"SYS_AllocateArray");
      case DeclarationCheck::kInitImage: return DeclaresEither(text_, u"PB_InitImage");
      case DeclarationCheck::kRuntimeAddInteger: return DeclaresEither(text_, u"PB_Runtime_AddInteger");
      case DeclarationCheck::kCount: break;
    }
    return false;
  }
  bool MentionsSimpleListHelpers() override { return Contains(text_, u"PB_SimpleList_"); }
  bool HasHeaderLine(const UString& library) override { return Contains(text_, u"; " + library + u"\r\n"); }
  void RemoveHeaderLine(const UString& library) override {
    UString header = u"; " + library + u"\r\n";
    size_t hit = text_.find(header);
    if (hit != UString::npos) text_.erase(hit, header.size());
  }
  // From the 1-based position of the label plus 16, as a 0-based index.
  bool OccursBehindEndFunctions(const UString& f) override {
    size_t label = text_.find(u"PB_EndFunctions:\r\n");
    size_t end_pos = (label == UString::npos ? 0 : label + 1) + 16;
    return text_.find(f, end_pos - 1) != UString::npos;
  }
  std::string Take() override { return EncodeUtf8(text_); }

 private:
  UString text_;
  std::string unedited_;
  bool is_64_bit_;
};

// A header name with a folder, a drive or ".." in it names no library file.
bool IsBareName(UStringView name) {
  return !name.empty() && name.find_first_of(u"\\/:") == UStringView::npos && !Contains(name, u"..");
}

LibraryTable ReadLibraryFiles(const std::vector<UString>& libraries, UStringView library_folder,
                              const PruningIo& io, const DeclaredName& declared) {
  LibraryTable table;
  for (const UString& library : libraries) {
    std::string bytes;
    if (!IsBareName(library) || !io.read_file(UString(library_folder) + library, bytes)) continue;
    for (const UString& name : LiteralLibraryNames(bytes, declared)) {
      FunctionTable& functions = table[library];
      if (!functions.Find(u"PB_" + name)) functions[u"PB_" + name] = 0;
    }
  }
  return table;
}

}  // namespace

UString LiteralRemoveUncalledLibraries(std::vector<UString>& libraries, UString text, UStringView library_folder,
                                       const PruningSettings& settings, const PruningIo& io) {
  LibraryTable table =
      ReadLibraryFiles(libraries, library_folder, io, LiteralDeclaredNames(text, settings.is_64_bit));
  Utf16LiteralText literal(std::move(text), settings.is_64_bit);
  auto detect = [](const std::vector<UString>& imported, std::string_view unedited, bool by_extension,
                   const std::function<void(const UString&)>& log) {
    return LiteralPluginGuard(imported, DecodeUtf8(unedited), by_extension, log);
  };
  return DecodeUtf8(RunRemovalRules(libraries, std::move(table), literal, detect, settings, io).Take());
}

}  // namespace sparlin::oracle
