// The lower-case procedure names written backwards, as a double-array trie:
// the text is read backwards from a "(" and every name that ends there is
// met once, one array step per UTF-16 code unit.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "text/utf8_pieces.h"
#include "text/ustring.h"

namespace sparlin {

class ReversedNameTrie {
 public:
  explicit ReversedNameTrie(const std::vector<UString>& names);

  // Names that are equal in lower case share one word, numbered from 0.
  int32_t word_count() const { return word_count_; }
  int32_t WordOfName(size_t name) const { return name_word_[name]; }

  // Adds one to the count of every word that ends just before `end` in
  // `text` (the bytes of a text in `form`; `end` where a piece of it ends),
  // and one more when an "@" stands before it. Word w is counted at place
  // w + 1 of `counts`. The text is read backwards one UTF-16 code unit at a
  // time, as its decoded text would be.
  void CountNamesEndingAt(std::string_view text, size_t end, Utf8Form form, std::vector<int64_t>& counts) const {
    if (slots_[0].counted != 0) Credit(slots_[0].counted, AtSignBefore(text, end), counts);
    if (end == 0) return;
    const auto last = static_cast<unsigned char>(text[end - 1]);
    const auto before = end > 1 ? static_cast<unsigned char>(text[end - 2]) : 0;
    if (pairs_.empty() || last >= kAscii || before >= kAscii) return WalkOn(0, text, end, form, counts);
    // The first two steps are read from one table by the two characters
    // alone: most walks end there.
    int32_t first = ascii_codes_[last];
    int32_t second = end > 1 ? ascii_codes_[before] : 0;
    const FirstSteps& steps = pairs_[static_cast<size_t>(first * stride_ + second)];
    if (steps.first_word != 0) Credit(steps.first_word, AtSignBefore(text, end - 1), counts);
    if (steps.second_word != 0) Credit(steps.second_word, AtSignBefore(text, end - 2), counts);
    if (steps.onward != kNone) WalkOn(steps.onward, text, end - 2, form, counts);
  }

 private:
  static constexpr int32_t kNone = -1;
  static constexpr char16_t kAscii = 128;

  // The child of a slot for code c lies at base + c, and names its parent.
  struct Slot {
    int32_t parent = kNone;  // kNone: the slot is free
    int32_t base = 0;
    int32_t counted = 0;  // the word that ends here + 1, or 0
  };

  static bool AtSignBefore(std::string_view text, size_t at) { return at > 0 && text[at - 1] == '@'; }

  // Counts the word at `counted` - 1.
  static void Credit(int32_t counted, bool after_at_sign, std::vector<int64_t>& counts) {
    counts[static_cast<size_t>(counted)] += 1 + static_cast<int64_t>(after_at_sign);
  }

  // The rest of a walk that stands at `slot`, credited already, with `at`
  // bytes of the text before it.
  void WalkOn(int32_t slot, std::string_view text, size_t at, Utf8Form form, std::vector<int64_t>& counts) const {
    while (at > 0) {
      const auto byte = static_cast<unsigned char>(text[at - 1]);
      if (byte < kAscii) {
        slot = Child(slot, ascii_codes_[byte]);
        if (slot == kNone) return;
        --at;
        int32_t counted = slots_[static_cast<size_t>(slot)].counted;
        if (counted != 0) Credit(counted, AtSignBefore(text, at), counts);
        continue;
      }
      // A piece past ASCII: its units from the last; a word that begins at
      // its second unit has no "@" before it.
      Utf8Piece piece = Utf8PieceBefore(text, at, form);
      at -= piece.bytes;
      for (int unit = piece.units - 1; unit >= 0; --unit) {
        slot = Child(slot, Code(piece.unit[unit]));
        if (slot == kNone) return;
        int32_t counted = slots_[static_cast<size_t>(slot)].counted;
        if (counted != 0) Credit(counted, unit == 0 && AtSignBefore(text, at), counts);
      }
    }
  }

  // The code of a character of the text after lowering; 0 when no name
  // holds it, which leads to no child.
  int32_t Code(char16_t ch) const { return ch < kAscii ? ascii_codes_[ch] : OtherCode(ch); }
  int32_t OtherCode(char16_t ch) const;  // past ASCII

  int32_t Child(int32_t slot, int32_t code) const {
    int32_t next = slots_[static_cast<size_t>(slot)].base + code;
    return slots_[static_cast<size_t>(next)].parent == slot ? next : kNone;
  }

  void AssignCodes(const std::vector<UString>& reversed);
  void Place(const std::vector<UString>& sorted);
  void TabulateFirstSteps();

  std::array<int32_t, kAscii> ascii_codes_{};
  std::vector<char16_t> other_chars_;  // sorted lower-case characters past ASCII
  int32_t code_count_ = 0;
  std::vector<Slot> slots_;
  // Per pair of codes (first * stride_ + second, second 0 for no second
  // step): the words that end one and two steps from the root, and the slot
  // two steps down when the walk can go on from there. Empty when the names
  // hold too many characters for such a table.
  struct FirstSteps {
    int32_t first_word = 0;   // counted, or 0
    int32_t second_word = 0;  // counted, or 0
    int32_t onward = kNone;
  };
  std::vector<FirstSteps> pairs_;
  int32_t stride_ = 0;
  std::vector<int32_t> name_word_;
  int32_t word_count_ = 0;
};

}  // namespace sparlin
