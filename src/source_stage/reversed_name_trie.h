// The lower-case procedure names written backwards, as a double-array trie:
// the text is read backwards from a "(" and every name that ends there is
// met once, one array step per character.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "text/ustring.h"

namespace sparlin {

class ReversedNameTrie {
 public:
  explicit ReversedNameTrie(const std::vector<UString>& names);

  // Names that are equal in lower case share one word, numbered from 0.
  int32_t word_count() const { return word_count_; }
  int32_t WordOfName(size_t name) const { return name_word_[name]; }

  // Adds one to the count of every word that ends just before `end` in
  // `text`, and one more when an "@" stands before it. Word w is counted at
  // place w + 1 of `counts`.
  void CountNamesEndingAt(UStringView text, size_t end, std::vector<int64_t>& counts) const {
    Credit(slots_[0], text, end, counts);
    if (end == 0) return;
    // The first two steps are read from tables by the two characters alone,
    // so that neither waits for the other: most walks end there.
    int32_t first = Code(text[end - 1]);
    int32_t slot = one_step_[static_cast<size_t>(first)];
    if (slot == kNone) return;
    Credit(slots_[static_cast<size_t>(slot)], text, end - 1, counts);
    if (end == 1) return;
    int32_t second = Code(text[end - 2]);
    slot = two_steps_.empty() ? Child(slot, second) : two_steps_[static_cast<size_t>(first * stride_ + second)];
    for (size_t at = end - 2; slot != kNone; --at) {
      Credit(slots_[static_cast<size_t>(slot)], text, at, counts);
      if (at == 0) return;
      slot = Child(slot, Code(text[at - 1]));
    }
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

  static void Credit(const Slot& here, UStringView text, size_t at, std::vector<int64_t>& counts) {
    if (here.counted == 0) return;
    bool after_at_sign = at > 0 && text[at - 1] == u'@';
    counts[static_cast<size_t>(here.counted)] += 1 + static_cast<int64_t>(after_at_sign);
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
  // The slot one step from the root per code, and two steps per pair of
  // codes (first * stride_ + second; empty when the names hold too many
  // characters for such a table).
  std::vector<int32_t> one_step_;
  std::vector<int32_t> two_steps_;
  int32_t stride_ = 0;
  std::vector<int32_t> name_word_;
  int32_t word_count_ = 0;
};

}  // namespace sparlin
