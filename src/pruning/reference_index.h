// One pass over the assembly text that finds every reference form of every
// library symbol (the counted forms, summed per symbol, and the positions of
// the declaration and call forms that removal comments out), the header lines
// "; " + library + "\r\n", the "extrn" lines that the keep rules ask for,
// and the texts that the two-symbol rule and the SimpleList rule search for:
// "PB_EndFunctions:\r\n", clean-up symbols anywhere, "PB_SimpleList_".
//
// Only symbols and library names made of identifier characters
// [A-Za-z0-9_] are indexed: for them a form is a fixed text around a maximal
// identifier run, so one look-up per run finds every form, and no form can
// begin inside another.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pruning/name_table.h"
#include "pruning/pruning_text.h"
#include "text/byte_scan.h"
#include "text/ustring.h"

namespace sparlin {


// The forms that removal comments out (see reference_forms.h).
enum class FormKind : uint8_t {
  kExtrn,                 // "extrn F\r\n"
  kCall,                  // "CALL   F\r\n"
  kCallQword,             // "CALL   qword [F]\r\n"        (64-bit)
  kExtrnUnderscoreAt,     // "extrn _F@"                   (32-bit)
  kCallUnderscoreAt,      // "CALL  _F@"                   (32-bit)
  kCallDwordAt,           // "CALL   dword [_F@"           (32-bit)
  kCallDword,             // "CALL   dword [_F]\r\n"       (32-bit)
};

struct FormOccurrence {
  size_t position;
  FormKind kind;
};

struct TextSpan {
  size_t position;
  size_t length;
};

// Works on UTF-8 bytes.
class ReferenceIndex {
 public:
  using View = std::string_view;

  // `symbols` and `libraries` must be identifiers; `suspect_leads` are the
  // leading identifier parts of the symbols that are not. The text must
  // outlive the index.
  ReferenceIndex(View text, const std::vector<UString>& symbols, const std::vector<UString>& libraries,
                      const std::vector<UString>& suspect_leads, bool is_64_bit);

  // Sum over the counted forms of symbols[i].
  int64_t References(size_t symbol) const { return references_[symbol]; }
  // suspect_leads[i] stood as a whole name where a reference form's symbol stands.
  bool SuspectSeen(size_t lead) const { return suspect_seen_[lead]; }
  // The removable forms of symbols[i], in text order.
  const FormOccurrence* FormsBegin(size_t symbol) const { return forms_.data() + form_offsets_[symbol]; }
  const FormOccurrence* FormsEnd(size_t symbol) const { return forms_.data() + form_offsets_[symbol + 1]; }
  // Positions of "; " + libraries[i] + "\r\n", in text order.
  const std::vector<size_t>& HeaderLines(size_t library) const { return headers_[library]; }
  const std::vector<TextSpan>& Declarations(DeclarationCheck check) const {
    return checks_[static_cast<size_t>(check)];
  }
  // The first "PB_EndFunctions:\r\n"; npos without one.
  size_t EndFunctionsLabel() const { return end_label_; }
  // Every occurrence of symbols[i] as a part of the text, for the symbols
  // that begin with "PB_End" or "PB_Free"; null for the others.
  const std::vector<size_t>* CleanUpOccurrences(size_t symbol) const;
  const std::vector<size_t>& SimpleListHelpers() const { return simple_list_helpers_; }

 private:
  using Names = std::vector<std::string>;
  static Names Narrowed(const std::vector<UString>& names);
  // The symbols that begin with "PB_End" or "PB_Free"; their numbers go to `ids`.
  static Names CleanUpNames(const Names& symbols, std::vector<uint32_t>& ids);

  void Scan(View text);
  void OnCall(View text, size_t at);
  void OnExtrn(View text, size_t at);
  void OnComment(View text, size_t at);
  void OnPbName(View text, size_t at);
  void NoteSuspect(View run);
  void Credit(View symbol, size_t at, int kind);
  void CreditVariants(View run, size_t at, int kind);

  bool is_64_bit_;
  Names symbol_names_;
  Names library_names_;
  Names suspect_names_;
  NameTable symbol_ids_;
  NameTable library_ids_;
  NameTable suspects_;
  std::vector<bool> suspect_seen_;
  std::vector<int64_t> references_;
  struct Found {
    uint32_t symbol;
    FormKind kind;
    size_t position;
  };
  std::vector<Found> found_;
  std::vector<uint32_t> form_offsets_;
  std::vector<FormOccurrence> forms_;
  std::vector<std::vector<size_t>> headers_;
  std::vector<TextSpan> checks_[static_cast<size_t>(DeclarationCheck::kCount)];
  size_t end_label_ = std::u16string::npos;
  std::vector<size_t> simple_list_helpers_;
  std::vector<bool> is_clean_up_;                // by symbol
  std::vector<std::vector<size_t>> clean_up_;  // by symbol: occurrences
  // The clean-up symbols in a table of their own, by a hash that grows a
  // character at a time: one walk along a name of the text finds every
  // clean-up symbol that begins it.
  static uint64_t CleanUpHashStep(uint64_t hash, char c);
  void IndexCleanUpNames();
  std::vector<uint32_t> clean_up_symbols_;  // by clean-up name: the symbol
  Names clean_up_names_;
  std::vector<uint64_t> clean_up_hashes_;   // by clean-up name
  std::vector<int32_t> clean_up_slots_;     // clean-up names by hash; -1: free
  std::vector<bool> clean_up_length_;       // some clean-up name is this long
  std::vector<size_t> clean_up_lengths_;    // those lengths, ascending
  std::vector<uint64_t> prefix_hashes_;     // of the name at hand, by length
};


}  // namespace sparlin
