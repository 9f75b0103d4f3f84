#include "pruning/removal_rules.h"

#include <algorithm>
#include <unordered_map>

#include "text/text_ops.h"

namespace sparlin {
namespace {

bool GadgetStillNeeded(PruningText& text) {
  return text.Declares(DeclarationCheck::kScintillaGadget) || text.Declares(DeclarationCheck::kOpenWindow);
}

bool ArraysStillNeeded(PruningText& text) { return text.Declares(DeclarationCheck::kAllocateArray); }

// Only start-up and clean-up symbols can be the reason a library is linked in
// without being used.
bool IsStartupLike(UStringView f) {
  return StartsWith(f, u"PB_Init") || StartsWith(f, u"PB_Free") ||
         (StartsWith(f, u"PB_Use") && (EndsWith(f, u"ImageDecoder") || EndsWith(f, u"ImageEncoder")));
}

// Whether the last symbol of a library must stay, as the rest of the program
// still depends on what it sets up: the name of the rule that keeps it (as
// the build report names it), or null.
const char16_t* KeepingRule(UStringView f, PruningText& text, const PluginGuard& guard) {
  if (f == u"PB_InitImageDecoder" && (guard.AnyDetected() || text.Declares(DeclarationCheck::kInitImage))) {
    return u"image_decoder";
  }
  if (EndsWith(f, u"ImageEncoder")) return u"image_encoder";
  if (f == u"PB_InitArray" && ArraysStillNeeded(text)) return u"array";
  if (f == u"PB_InitRuntime" && text.Declares(DeclarationCheck::kRuntimeAddInteger)) return u"runtime";
  if (f == u"PB_InitGadget" && GadgetStillNeeded(text)) return u"gadget";
  return guard.IsProtected(f) ? u"plugin" : nullptr;
}

// --- Build report (PruningRecord): one of the seven image plugin libraries.
bool IsImagePluginLibrary(UStringView library) {
  for (const ImagePlugin& plugin : ImagePlugins()) {
    if (library == plugin.library) return true;
  }
  return false;
}

// The score of one symbol called once, in a library with two symbols left:
// a start-up symbol, or a clean-up symbol behind "PB_EndFunctions:", adds 1
// unless something else still needs what it does.
int TwoSymbolScore(const UString& f, PruningText& text, const PruningSettings& settings, const PluginGuard& guard) {
  int score = 0;
  if (StartsWith(f, u"PB_Init")) {
    score = 1;
    if (f == u"PB_InitGadget" && GadgetStillNeeded(text)) --score;
    if (f == u"PB_InitDesktop" && !TrimBlanks(settings.dpi_aware_switch).empty()) --score;
    if (f == guard.AlphaInitName) --score;
  } else if (StartsWith(f, u"PB_End") && text.OccursBehindEndFunctions(f)) {
    score = 1;
    if (f == guard.AlphaEndName) --score;
  } else if (StartsWith(f, u"PB_Free") && text.OccursBehindEndFunctions(f)) {
    score = 1;
    if (f == u"PB_FreeArray" && ArraysStillNeeded(text)) --score;
    if (f == u"PB_FreeMemorys") --score;
    if (f == u"PB_FreeSprites") --score;
  }
  return score;
}

// One pruning run over one text.
class UncalledRemoval {
 public:
  UncalledRemoval(std::vector<UString>& libraries, LibraryTable table, PruningText& text,
                  const PruningSettings& settings, const PruningIo& io)
      : libraries_(libraries), table_(std::move(table)), text_(&text), settings_(settings), io_(io) {}

  // Runs every step; returns the text that holds the edits.
  PruningText& Run(const PluginDetector& detect_plugins) {
    if (io_.record) {  // build report
      *io_.record = PruningRecord{};
      io_.record->ran = true;
    }
    io_.progress(50);
    Count();
    // Which text answers is settled here, once, before the first edit.
    text_ = &text_->EditingText(table_);
    Report();
    io_.progress(54);
    guard_ = detect_plugins(libraries_, text_->Unedited(), settings_.remove_plugins_by_extension, io_.log);
    io_.progress(58);
    io_.log(u"\t\u00B7  Uncalled PB Functions Removed\r\n");
    if (!table_.empty()) {
      for (auto& library : table_.entries()) RemoveFrom(library.key, library.value);
      io_.log(u"");
    }
    RecordKeptLibraries();  // build report
    io_.progress(62);
    io_.log(u"\t\u00B7  Uncalled PB Libraries Removed\r\n");
    io_.log(removed_libraries_);
    if (!removed_libraries_.empty()) io_.log(u"");
    io_.progress(66);
    return *text_;
  }

 private:
  // CallCount = references - 1 (the declaration); unreferenced symbols go.
  void Count() {
    std::vector<UString> symbols;
    std::vector<UString> libraries;
    std::unordered_map<UString, size_t> ids;
    for (const auto& library : table_.entries()) {
      libraries.push_back(library.key);
      for (const auto& function : library.value.entries()) {
        if (ids.emplace(function.key, symbols.size()).second) symbols.push_back(function.key);
      }
    }
    std::vector<int64_t> references = text_->CountReferences(symbols, libraries);
    for (auto& library : table_.entries()) {
      FunctionTable& functions = library.value;
      std::vector<UString> unreferenced;
      for (auto& function : functions.entries()) {
        int64_t sum = references[ids.at(function.key)];
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

  // DropLibrary on the indexed text. `reason` names the rule for the build
  // report.
  void Drop(const UString& library, const char16_t* reason) {
    text_->RemoveHeaderLine(library);
    removed_libraries_ += u"\t\t" + library + u"\r\n";
    if (io_.record) io_.record->libraries.push_back({library, reason});  // build report
    dropped_.push_back(library);
    libraries_.erase(std::remove(libraries_.begin(), libraries_.end(), library), libraries_.end());
  }

  void RemoveFrom(const UString& library, FunctionTable& functions) {
    size_t n = functions.size();
    if (n == 0) {
      // SimpleList's symbols can be reached through the runtime's own
      // "PB_SimpleList_" helpers, which the count does not see.
      if (library == u"SimpleList" && text_->MentionsSimpleListHelpers()) {
        io_.beep();
        kept_rules_[library] = u"simple_list";  // build report
        return;
      }
      Drop(library, u"unused");
    }

    // First sweep: symbols declared but never called lose their declaration.
    std::vector<UString> uncalled;
    for (const auto& function : functions.entries()) {
      if (function.value == 0) uncalled.push_back(function.key);
    }
    for (const UString& f : uncalled) {
      text_->CommentOutFirstDeclaration(f);
      io_.log(u"\t\t" + f);
      if (io_.record) io_.record->functions.push_back(f);  // build report
      functions.Erase(f);
      n = functions.size();
      // An emptied library is dropped here only when it is the one library
      // of the run.
      if (n == 0 && table_.size() == 1) Drop(library, u"emptied");
    }

    if (n == 1) {
      UString f = functions.entries().front().key;
      if (!IsStartupLike(f)) return;
      if (const char16_t* rule = KeepingRule(f, *text_, guard_)) {
        kept_rules_[library] = rule;  // build report
        return;
      }
      RemoveFunction(f, functions);
      Drop(library, IsImagePluginLibrary(library) ? u"plugin" : u"startup");
    } else if (n == 2) {
      int k = 0;
      for (const auto& function : functions.entries()) {
        if (function.value == 1) k += TwoSymbolScore(function.key, *text_, settings_, guard_);
      }
      if (k != 2) return;
      std::vector<UString> called_once;
      for (const auto& function : functions.entries()) {
        if (function.value == 1) called_once.push_back(function.key);
      }
      for (const UString& f : called_once) {
        RemoveFunction(f, functions);
        if (text_->HasHeaderLine(library)) Drop(library, u"pair");
      }
    }
  }

  void RemoveFunction(const UString& f, FunctionTable& functions) {
    text_->CommentOutFunction(f);
    io_.log(u"\t\t" + f);
    if (io_.record) io_.record->functions.push_back(f);  // build report
    functions.Erase(f);
  }

  // --- Build report: every library of the table that stays, with the
  // symbols left in it and the rule that kept it, if one did.
  void RecordKeptLibraries() {
    if (!io_.record) return;
    for (const auto& library : table_.entries()) {
      if (std::find(dropped_.begin(), dropped_.end(), library.key) != dropped_.end()) continue;
      KeptLibrary kept{library.key, {}, {}};
      for (const auto& function : library.value.entries()) kept.symbols.push_back({function.key, function.value});
      auto rule = kept_rules_.find(library.key);
      if (rule != kept_rules_.end()) kept.rule = rule->second;
      io_.record->kept.push_back(std::move(kept));
    }
  }

  std::vector<UString>& libraries_;
  LibraryTable table_;
  PruningText* text_;
  const PruningSettings& settings_;
  const PruningIo& io_;
  PluginGuard guard_;
  UString removed_libraries_;
  // Build report only.
  std::vector<UString> dropped_;
  std::unordered_map<UString, UString> kept_rules_;
};

}  // namespace

PruningText& RunRemovalRules(std::vector<UString>& libraries, LibraryTable table, PruningText& text,
                             const PluginDetector& detect_plugins, const PruningSettings& settings,
                             const PruningIo& io) {
  UncalledRemoval removal(libraries, std::move(table), text, settings, io);
  return removal.Run(detect_plugins);
}

}  // namespace sparlin
