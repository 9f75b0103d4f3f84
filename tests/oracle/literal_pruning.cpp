// The literal pruning: the removal steps over a UTF-16 text searched and
// rewritten whole at every step.
#include "oracle/literal_pruning.h"

#include <algorithm>

#include "asm_format/reference_forms.h"
#include "pruning/library_files.h"
#include "text/text_ops.h"

namespace sparlin::oracle {
namespace {

// The whole-text helpers: every count, search and replacement is a pass over
// the whole text.
int64_t CountReferences(UStringView text, UStringView symbol, bool is_64_bit) {
  int64_t sum = 0;
  for (const UString& form : CountedForms(symbol, is_64_bit)) sum += static_cast<int64_t>(CountOccurrences(text, form));
  return sum;
}

UString CommentOutFirst(UStringView text, UStringView form) {
  size_t hit = text.find(form);
  if (hit == UStringView::npos) return UString(text);
  UString out(text);
  out.insert(hit, u"; ");
  return out;
}

UString CommentOutAll(UStringView text, UStringView form) { return ReplaceAll(text, form, u"; " + UString(form)); }

bool LiteralPluginNamedInText(const ImagePlugin& plugin, UStringView text) {
  for (const char16_t* extension : plugin.extensions) {
    if (!extension) continue;
    std::array<UString, 4> probes = PluginProbes(extension);
    if (FindNoCase(text, probes[0]) != UStringView::npos) return true;
    for (size_t i = 1; i < probes.size(); ++i) {
      if (Contains(text, probes[i])) return true;
    }
  }
  return false;
}

PluginGuard LiteralDetectImagePlugins(const std::vector<UString>& libraries, UStringView text,
                                      bool remove_by_extension, const std::function<void(const UString&)>& log) {
  PluginGuard guard;
  const auto& plugins = ImagePlugins();
  for (size_t i = 0; i < plugins.size(); ++i) {
    bool imported = std::find(libraries.begin(), libraries.end(), UString(plugins[i].library)) != libraries.end();
    guard.detected[i] = imported ? 1 : 0;
  }
  for (size_t i = 0; i < plugins.size(); ++i) {
    if (!guard.detected[i]) continue;
    if (remove_by_extension) guard.detected[i] = LiteralPluginNamedInText(plugins[i], text) ? 1 : 0;
    if (!guard.detected[i]) continue;
    log(u"\t\u00B7  " + UString(plugins[i].tag) + u" de/encoder detected\r\n");
    guard.ProtectedName[i] = plugins[i].protected_name;
    if (plugins[i].sets_alpha_names) {
      guard.AlphaInitName = u"PB_InitAlphaImage";
      guard.AlphaEndName = u"PB_EndAlphaImage";
    }
  }
  return guard;
}

// The assembly text as UTF-16, searched and rewritten whole at every step.
class Utf16LiteralText final : public PruningText {
 public:
  Utf16LiteralText(UString text, bool is_64_bit)
      : text_(std::move(text)), unedited_(EncodeUtf8(text_)), is_64_bit_(is_64_bit) {}

  std::vector<int64_t> CountReferences(const std::vector<UString>& symbols, const std::vector<UString>&) override {
    std::vector<int64_t> counts;
    for (const UString& symbol : symbols) counts.push_back(oracle::CountReferences(text_, symbol, is_64_bit_));
    return counts;
  }
  std::string_view Unedited() const override { return unedited_; }
  void CommentOutFirstDeclaration(const UString& f) override {
    for (const UString& form : DeclarationForms(f, is_64_bit_)) text_ = CommentOutFirst(text_, form);
  }
  void CommentOutFunction(const UString& f) override {
    for (const UString& form : DeclarationForms(f, is_64_bit_)) text_ = CommentOutAll(text_, form);
    for (const UString& form : CallForms(f, is_64_bit_)) text_ = CommentOutAll(text_, form);
  }
  bool Declares(DeclarationCheck check) override {
    std::string_view name = DeclarationCheckName(check);
    return TextDeclaresEither(text_, UString(name.begin(), name.end()));
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
  static bool TextDeclaresEither(UStringView text, UStringView name) {
    return Contains(text, u"extrn " + UString(name)) || Contains(text, u"extrn _" + UString(name));
  }

  UString text_;
  std::string unedited_;
  bool is_64_bit_;
};

}  // namespace

UString LiteralRemoveUncalledLibraries(std::vector<UString>& libraries, UString text, UStringView library_folder,
                                       const PruningSettings& settings, const PruningIo& io) {
  LibraryTable table = ParseLibraryFiles(libraries, library_folder, io.read_file,
                                         DeclaredRuntimeNames(UStringView(text), settings.is_64_bit));
  Utf16LiteralText literal(std::move(text), settings.is_64_bit);
  auto detect = [](const std::vector<UString>& imported, std::string_view unedited, bool by_extension,
                   const std::function<void(const UString&)>& log) {
    return LiteralDetectImagePlugins(imported, DecodeUtf8(unedited), by_extension, log);
  };
  return DecodeUtf8(RunRemovalRules(libraries, std::move(table), literal, detect, settings, io).Take());
}

PluginGuard LiteralDetectPlugins(const std::vector<UString>& libraries, UStringView text, bool remove_by_extension,
                                 const std::function<void(const UString&)>& log) {
  return LiteralDetectImagePlugins(libraries, text, remove_by_extension, log);
}

}  // namespace sparlin::oracle
