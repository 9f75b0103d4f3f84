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
    if (slots_[0].counted != 0) Credit(slots_[0].counted, text, end, counts);
    if (end == 0) return;
    if (pairs_.empty()) return WalkOn(0, text, end, counts);
    // The first two steps are read from one table by the two characters
    // alone: most walks end there.
    int32_t first = Code(text[end - 1]);
    int32_t second = end > 1 ? Code(text[end - 2]) : 0;
    const FirstSteps& steps = pairs_[static_cast<size_t>(first * stride_ + second)];
    if (steps.first_word != 0) Credit(steps.first_word, text, end - 1, counts);
    if (steps.second_word != 0) Credit(steps.second_word, text, end - 2, counts);
    if (steps.onward != kNone) WalkOn(steps.onward, text, end - 2, counts);
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

  // Counts the word at `counted` - 1 that starts at `at`.
  static void Credit(int32_t counted, UStringView text, size_t at, std::vector<int64_t>& counts) {
    bool after_at_sign = at > 0 && text[at - 1] == u'@';
    counts[static_cast<size_t>(counted)] += 1 + static_cast<int64_t>(after_at_sign);
  }

  // The rest of a walk that stands at `slot`, credited already, with `at`
  // characters of the text before it.
  void WalkOn(int32_t slot, UStringView text, size_t at, std::vector<int64_t>& counts) const {
    for (; at > 0; --at) {
      slot = Child(slot, Code(text[at - 1]));
      if (slot == kNone) return;
      int32_t counted = slots_[static_cast<size_t>(slot)].counted;
      if (counted != 0) Credit(counted, text, at - 1, counts);
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
