// The straightforward pruning that the shipped program replaced with an
// indexed one: kept verbatim so that tests can compare the two byte for byte.
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

void LiteralDropLibrary(UStringView library, UString& text, UString& removed_libraries_text,
                        std::vector<UString>& libraries) {
  UString header = u"; " + UString(library) + u"\r\n";
  size_t hit = text.find(header);
  if (hit != UString::npos) text.erase(hit, header.size());
  removed_libraries_text += u"\t\t" + UString(library) + u"\r\n";
  libraries.erase(std::remove(libraries.begin(), libraries.end(), library), libraries.end());
}


bool TextDeclaresEither(UStringView text, UStringView name) {
  return Contains(text, u"extrn " + UString(name)) || Contains(text, u"extrn _" + UString(name));
}

bool GadgetStillNeeded(UStringView text) {
  return TextDeclaresEither(text, u"PB_ScintillaGadget") || TextDeclaresEither(text, u"PB_OpenWindow");
}

bool ArraysStillNeeded(UStringView text) { return TextDeclaresEither(text, u"SYS_AllocateArray"); }

// Only start-up and clean-up symbols can be the reason a library is linked in
// without being used.
bool IsStartupLike(UStringView f) {
  return StartsWith(f, u"PB_Init") || StartsWith(f, u"PB_Free") ||
         (StartsWith(f, u"PB_Use") && (EndsWith(f, u"ImageDecoder") || EndsWith(f, u"ImageEncoder")));
}

// Whether the last symbol of a library must stay, as the rest of the program
// still depends on what it sets up.
bool MustKeepLastSymbol(UStringView f, UStringView text, const PluginGuard& guard) {
  if (f == u"PB_InitImageDecoder" && (guard.AnyDetected() || TextDeclaresEither(text, u"PB_InitImage"))) return true;
  if (EndsWith(f, u"ImageEncoder")) return true;
  if (f == u"PB_InitArray" && ArraysStillNeeded(text)) return true;
  if (f == u"PB_InitRuntime" && TextDeclaresEither(text, u"PB_Runtime_AddInteger")) return true;
  if (f == u"PB_InitGadget" && GadgetStillNeeded(text)) return true;
  return guard.IsProtected(f);
}

// The score of one symbol called once, in a library with two symbols left:
// a start-up symbol, or a clean-up symbol behind "PB_EndFunctions:", adds 1
// unless something else still needs what it does.
int TwoSymbolScore(const UString& f, UStringView text, size_t end_search_from, const PruningSettings& settings,
                   const PluginGuard& guard) {
  bool behind_end = text.find(f, end_search_from) != UStringView::npos;
  int score = 0;
  if (StartsWith(f, u"PB_Init")) {
    score = 1;
    if (f == u"PB_InitGadget" && GadgetStillNeeded(text)) --score;
    if (f == u"PB_InitDesktop" && !TrimBlanks(settings.dpi_aware_switch).empty()) --score;
    if (f == guard.AlphaInitName) --score;
  } else if (StartsWith(f, u"PB_End") && behind_end) {
    score = 1;
    if (f == guard.AlphaEndName) --score;
  } else if (StartsWith(f, u"PB_Free") && behind_end) {
    score = 1;
    if (f == u"PB_FreeArray" && ArraysStillNeeded(text)) --score;
    if (f == u"PB_FreeMemorys") --score;
    if (f == u"PB_FreeSprites") --score;
  }
  return score;
}

// Comments out every declaration, then every call of `f`.
UString CommentOutFunction(UString text, UStringView f, bool is_64_bit) {
  for (const UString& form : DeclarationForms(f, is_64_bit)) text = CommentOutAll(text, form);
  for (const UString& form : CallForms(f, is_64_bit)) text = CommentOutAll(text, form);
  return text;
}

// One pruning run over one text.
class UncalledRemoval {
 public:
  UncalledRemoval(std::vector<UString>& libraries, UString text, const PruningSettings& settings,
                  const PruningIo& io)
      : libraries_(libraries), text_(std::move(text)), settings_(settings), io_(io) {}

  UString Run(UStringView library_folder) {
    table_ = ParseLibraryFiles(libraries_, library_folder, io_.read_file,
                               DeclaredRuntimeNames(text_, settings_.is_64_bit));
    io_.progress(50);
    Count();
    Report();
    io_.progress(54);
    guard_ = LiteralDetectImagePlugins(libraries_, text_, settings_.remove_plugins_by_extension, io_.log);
    io_.progress(58);
    io_.log(u"\t\u00B7  Uncalled PB Functions Removed\r\n");
    if (!table_.empty()) {
      for (auto& library : table_.entries()) RemoveFrom(library.key, library.value);
      io_.log(u"");
    }
    io_.progress(62);
    io_.log(u"\t\u00B7  Uncalled PB Libraries Removed\r\n");
    io_.log(removed_libraries_);
    if (!removed_libraries_.empty()) io_.log(u"");
    io_.progress(66);
    return std::move(text_);
  }

 private:
  // CallCount = references - 1 (the declaration); unreferenced symbols go.
  void Count() {
    for (auto& library : table_.entries()) {
      FunctionTable& functions = library.value;
      std::vector<UString> unreferenced;
      for (auto& function : functions.entries()) {
        int64_t sum = CountReferences(text_, function.key, settings_.is_64_bit);
        if (sum <= 0) {
          unreferenced.push_back(function.key);
        } else {
          function.value = static_cast<int32_t>(std::min<int64_t>(sum - 1, INT32_MAX));
        }
      }
      for (const UString& symbol : unreferenced) functions.Erase(symbol);
    }
  }

  void Report() {
    io_.log(u"\t\u00B7  Called PB Functions\r\n");
    for (const auto& library : table_.entries()) {
      io_.log(u"\t\t" + library.key + u": " + ToDecimal(static_cast<int64_t>(library.value.size())));
      io_.log(u"");
      if (library.value.empty()) continue;
      for (const auto& function : library.value.entries()) {
        io_.log(u"\t\t\t" + function.key + u": " + ToDecimal(function.value));
      }
      io_.log(u"");
    }
  }

  void Drop(const UString& library) { LiteralDropLibrary(library, text_, removed_libraries_, libraries_); }

  void RemoveFrom(const UString& library, FunctionTable& functions) {
    size_t n = functions.size();
    if (n == 0) {
      // SimpleList's symbols can be reached through the runtime's own
      // "PB_SimpleList_" helpers, which the count does not see.
      if (library == u"SimpleList" && Contains(text_, u"PB_SimpleList_")) {
        io_.beep();
        return;
      }
      Drop(library);
    }

    // First sweep: symbols declared but never called lose their declaration.
    std::vector<UString> uncalled;
    for (const auto& function : functions.entries()) {
      if (function.value == 0) uncalled.push_back(function.key);
    }
    for (const UString& f : uncalled) {
      for (const UString& form : DeclarationForms(f, settings_.is_64_bit)) text_ = CommentOutFirst(text_, form);
      io_.log(u"\t\t" + f);
      functions.Erase(f);
      n = functions.size();
      // An emptied library is dropped here only when it is the one library
      // of the run.
      if (n == 0 && table_.size() == 1) Drop(library);
    }

    if (n == 1) {
      UString f = functions.entries().front().key;
      if (!IsStartupLike(f) || MustKeepLastSymbol(f, text_, guard_)) return;
      RemoveFunction(f, functions);
      Drop(library);
    } else if (n == 2) {
      // 1-based position of the label + 16, searched from as a 0-based index.
      size_t label = text_.find(u"PB_EndFunctions:\r\n");
      size_t end_pos = (label == UString::npos ? 0 : label + 1) + 16;
      int k = 0;
      for (const auto& function : functions.entries()) {
        if (function.value == 1) k += TwoSymbolScore(function.key, text_, end_pos - 1, settings_, guard_);
      }
      if (k != 2) return;
      std::vector<UString> called_once;
      for (const auto& function : functions.entries()) {
        if (function.value == 1) called_once.push_back(function.key);
      }
      for (const UString& f : called_once) {
        RemoveFunction(f, functions);
        if (Contains(text_, u"; " + library + u"\r\n")) Drop(library);
      }
    }
  }

  void RemoveFunction(const UString& f, FunctionTable& functions) {
    text_ = CommentOutFunction(std::move(text_), f, settings_.is_64_bit);
    io_.log(u"\t\t" + f);
    functions.Erase(f);
  }

  std::vector<UString>& libraries_;
  UString text_;
  const PruningSettings& settings_;
  const PruningIo& io_;
  LibraryTable table_;
  PluginGuard guard_;
  UString removed_libraries_;
};

}  // namespace

UString LiteralRemoveUncalledLibraries(std::vector<UString>& libraries, UString text, UStringView library_folder,
                                       const PruningSettings& settings, const PruningIo& io) {
  UncalledRemoval removal(libraries, std::move(text), settings, io);
  return removal.Run(library_folder);
}

PluginGuard LiteralDetectPlugins(const std::vector<UString>& libraries, UStringView text, bool remove_by_extension,
                                 const std::function<void(const UString&)>& log) {
  return LiteralDetectImagePlugins(libraries, text, remove_by_extension, log);
}

}  // namespace sparlin::oracle
