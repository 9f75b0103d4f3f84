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
// still depends on what it sets up.
bool MustKeepLastSymbol(UStringView f, PruningText& text, const PluginGuard& guard) {
  if (f == u"PB_InitImageDecoder" && (guard.AnyDetected() || text.Declares(DeclarationCheck::kInitImage))) return true;
  if (EndsWith(f, u"ImageEncoder")) return true;
  if (f == u"PB_InitArray" && ArraysStillNeeded(text)) return true;
  if (f == u"PB_InitRuntime" && text.Declares(DeclarationCheck::kRuntimeAddInteger)) return true;
  if (f == u"PB_InitGadget" && GadgetStillNeeded(text)) return true;
  return guard.IsProtected(f);
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

  // DropLibrary on the indexed text.
  void Drop(const UString& library) {
    text_->RemoveHeaderLine(library);
    removed_libraries_ += u"\t\t" + library + u"\r\n";
    libraries_.erase(std::remove(libraries_.begin(), libraries_.end(), library), libraries_.end());
  }

  void RemoveFrom(const UString& library, FunctionTable& functions) {
    size_t n = functions.size();
    if (n == 0) {
      // SimpleList's symbols can be reached through the runtime's own
      // "PB_SimpleList_" helpers, which the count does not see.
      if (library == u"SimpleList" && text_->MentionsSimpleListHelpers()) {
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
      text_->CommentOutFirstDeclaration(f);
      io_.log(u"\t\t" + f);
      functions.Erase(f);
      n = functions.size();
      // An emptied library is dropped here only when it is the one library
      // of the run.
      if (n == 0 && table_.size() == 1) Drop(library);
    }

    if (n == 1) {
      UString f = functions.entries().front().key;
      if (!IsStartupLike(f) || MustKeepLastSymbol(f, *text_, guard_)) return;
      RemoveFunction(f, functions);
      Drop(library);
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
        if (text_->HasHeaderLine(library)) Drop(library);
      }
    }
  }

  void RemoveFunction(const UString& f, FunctionTable& functions) {
    text_->CommentOutFunction(f);
    io_.log(u"\t\t" + f);
    functions.Erase(f);
  }

  std::vector<UString>& libraries_;
  LibraryTable table_;
  PruningText* text_;
  const PruningSettings& settings_;
  const PruningIo& io_;
  PluginGuard guard_;
  UString removed_libraries_;
};

}  // namespace

PruningText& RunRemovalRules(std::vector<UString>& libraries, LibraryTable table, PruningText& text,
                             const PluginDetector& detect_plugins, const PruningSettings& settings,
                             const PruningIo& io) {
  UncalledRemoval removal(libraries, std::move(table), text, settings, io);
  return removal.Run(detect_plugins);
}

}  // namespace sparlin
