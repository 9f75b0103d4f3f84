#include "source_stage/procedure_references.h"

#include <cstring>

#include "text/text_ops.h"

namespace sparlin {
namespace {

constexpr int32_t kNone = -1;

// The lower-case names written backwards in a trie, so that the text can be
// read backwards from every "(" and each name that ends there is met once.
// Edges live in one open-addressing table keyed by (node, character).
class ReversedNameTrie {
 public:
  explicit ReversedNameTrie(const std::vector<UString>& names) {
    size_t edges = 1;
    for (const UString& name : names) edges += name.size();
    size_t capacity = 16;
    while (capacity < edges * 2) capacity *= 2;
    keys_.assign(capacity, kEmptyKey);
    children_.assign(capacity, kNone);
    mask_ = capacity - 1;
    word_of_node_.push_back(kNone);  // the root

    name_word_.reserve(names.size());
    for (const UString& name : names) {
      int32_t node = 0;
      for (size_t i = name.size(); i > 0; --i) node = AddChild(node, ToLowerChar(name[i - 1]));
      if (word_of_node_[node] == kNone) word_of_node_[node] = word_count_++;
      name_word_.push_back(word_of_node_[node]);
    }
  }

  int32_t word_count() const { return word_count_; }
  int32_t WordOfName(size_t name) const { return name_word_[name]; }

  // Adds one to the count of every name that ends just before `end` in
  // `text`, and one more when an "@" stands before that name.
  void CountNamesEndingAt(UStringView text, size_t end, std::vector<int64_t>& counts) const {
    int32_t node = 0;
    size_t at = end;
    while (true) {
      int32_t word = word_of_node_[node];
      if (word != kNone) counts[word] += (at > 0 && text[at - 1] == u'@') ? 2 : 1;
      if (at == 0) return;
      node = Child(node, ToLowerChar(text[at - 1]));
      if (node == kNone) return;
      --at;
    }
  }

 private:
  static constexpr uint64_t kEmptyKey = ~uint64_t{0};

  static uint64_t Key(int32_t node, char16_t ch) { return (static_cast<uint64_t>(node) << 16) | ch; }
  size_t Slot(uint64_t key) const { return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> 20) & mask_; }

  int32_t Child(int32_t node, char16_t ch) const {
    uint64_t key = Key(node, ch);
    for (size_t slot = Slot(key);; slot = (slot + 1) & mask_) {
      if (keys_[slot] == key) return children_[slot];
      if (keys_[slot] == kEmptyKey) return kNone;
    }
  }

  int32_t AddChild(int32_t node, char16_t ch) {
    uint64_t key = Key(node, ch);
    size_t slot = Slot(key);
    for (; keys_[slot] != kEmptyKey; slot = (slot + 1) & mask_) {
      if (keys_[slot] == key) return children_[slot];
    }
    keys_[slot] = key;
    children_[slot] = static_cast<int32_t>(word_of_node_.size());
    word_of_node_.push_back(kNone);
    return children_[slot];
  }

  std::vector<uint64_t> keys_;
  std::vector<int32_t> children_;
  size_t mask_ = 0;
  std::vector<int32_t> word_of_node_;  // per node: the name that ends there
  std::vector<int32_t> name_word_;     // per given name: its word
  int32_t word_count_ = 0;
};

// Position of the next "(" at or after `from`, or the text's size. Reads
// four code units at a time.
size_t FindOpenParenthesis(UStringView text, size_t from) {
  constexpr uint64_t kOnes = 0x0001000100010001ull;
  constexpr uint64_t kHighs = 0x8000800080008000ull;
  constexpr uint64_t kParens = kOnes * u'(';
  size_t at = from;
  for (; at + 4 <= text.size(); at += 4) {
    uint64_t units;
    std::memcpy(&units, text.data() + at, sizeof units);
    uint64_t diff = units ^ kParens;
    if (((diff - kOnes) & ~diff & kHighs) != 0) break;
  }
  for (; at < text.size(); ++at) {
    if (text[at] == u'(') return at;
  }
  return text.size();
}

}  // namespace

std::vector<int64_t> CountProcedureReferences(UStringView text, const std::vector<UString>& names) {
  ReversedNameTrie trie(names);
  std::vector<int64_t> word_counts(static_cast<size_t>(trie.word_count()), 0);
  if (!names.empty()) {
    for (size_t paren = FindOpenParenthesis(text, 0); paren < text.size();
         paren = FindOpenParenthesis(text, paren + 1)) {
      trie.CountNamesEndingAt(text, paren, word_counts);  // name + "("
      if (paren > 0 && text[paren - 1] == u' ') trie.CountNamesEndingAt(text, paren - 1, word_counts);  // name + " ("
    }
  }
  std::vector<int64_t> counts(names.size());
  for (size_t i = 0; i < names.size(); ++i) counts[i] = word_counts[static_cast<size_t>(trie.WordOfName(i))];
  return counts;
}

}  // namespace sparlin
