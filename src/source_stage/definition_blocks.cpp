#include "source_stage/definition_blocks.h"

#include <cstring>

#include "text/text_ops.h"

namespace sparlin {

std::string_view DefinitionName(std::string_view line) {
  std::string_view head = line.substr(0, line.find('('));
  // The second field between blanks; empty when there is none.
  size_t first_blank = head.find(' ');
  if (first_blank == std::string_view::npos) return {};
  std::string_view rest = head.substr(first_blank + 1);
  return rest.substr(0, rest.find(' '));
}

bool OpensBlock(std::string_view line, std::string_view keyword, std::string_view next_chars) {
  size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return false;
  std::string_view rest = line.substr(first);
  return rest.size() > keyword.size() && rest.substr(0, keyword.size()) == keyword &&
         next_chars.find(rest[keyword.size()]) != std::string_view::npos;
}

namespace {

// The text that follows the cuts made so far, as pieces of the original
// text. The pieces are stored from the end of the text towards its start, so
// that the piece before the next cut is added at the back; `last_` indexes
// the piece that ends the text.
class FollowingText {
 public:
  explicit FollowingText(std::string_view text) : text_(text) {}

  void Prepend(size_t start, size_t end) {
    if (start < end) pieces_.push_back({start, end});
  }

  // The trimming at one cut: "\r" at both ends, then "\n" at both ends.
  void TrimLineBreaks() {
    TrimFront('\r');
    TrimBack('\r');
    TrimFront('\n');
    TrimBack('\n');
  }

  // Moves the pieces down to `to`, in text order; returns the end.
  size_t MoveTo(std::string& text, size_t to) const {
    for (size_t i = pieces_.size(); i > last_; --i) {
      const Piece& piece = pieces_[i - 1];
      size_t size = piece.end - piece.start;
      if (to != piece.start) std::memmove(text.data() + to, text.data() + piece.start, size);
      to += size;
    }
    return to;
  }

 private:
  struct Piece {
    size_t start;
    size_t end;
  };

  void TrimFront(char ch) {
    while (pieces_.size() > last_) {
      Piece& first = pieces_.back();
      while (first.start < first.end && text_[first.start] == ch) ++first.start;
      if (first.start < first.end) return;
      pieces_.pop_back();
    }
  }

  void TrimBack(char ch) {
    while (pieces_.size() > last_) {
      Piece& final_piece = pieces_[last_];
      while (final_piece.start < final_piece.end && text_[final_piece.end - 1] == ch) --final_piece.end;
      if (final_piece.start < final_piece.end) return;
      ++last_;
    }
  }

  std::string_view text_;
  std::vector<Piece> pieces_;
  size_t last_ = 0;
};

}  // namespace

void CutBlocks(std::string& text, const std::vector<BlockCut>& cuts) {
  if (cuts.empty()) return;
  FollowingText following(text);
  size_t next_start = text.size();
  for (auto cut = cuts.rbegin(); cut != cuts.rend(); ++cut) {
    following.Prepend(cut->end, next_start);
    following.TrimLineBreaks();
    next_start = cut->start;
  }
  // Every piece lies at or after the place it moves to, so the text can be
  // compacted in place from its front.
  text.resize(following.MoveTo(text, cuts.front().start));
}

UString RemovalLogItem(UStringView caption, size_t count, const std::vector<UString>& names) {
  UString item = UString(caption) + ToDecimal(static_cast<int64_t>(count)) + u"\r\n";
  if (!names.empty()) {
    item += u"\r\n";
    for (const UString& name : names) item += u"\t\t" + name + u"()\r\n";
  }
  return item;
}

}  // namespace sparlin
