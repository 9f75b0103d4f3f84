#include "app/win32/log_feed.h"

namespace sparlin::win32 {
namespace {

// Where the piece that begins the rest of `text` ends.
size_t PieceLength(UStringView text) {
  if (text.size() <= LogFeed::kPieceUnits) return text.size();
  size_t line_end = text.find_last_of(u'\n', LogFeed::kPieceUnits - 1);
  if (line_end != UStringView::npos) return line_end + 1;
  size_t cut = LogFeed::kPieceUnits;
  // A "\r\n" cut in two would reach the view as two line breaks, and half a
  // surrogate pair as a broken character.
  char16_t last = text[cut - 1];
  if (last == u'\r' || (last >= 0xD800 && last <= 0xDBFF)) --cut;
  return cut;
}

}  // namespace

bool LogFeed::Push(UStringView text) {
  std::deque<UString> pieces;
  while (!text.empty()) {
    size_t length = PieceLength(text);
    pieces.emplace_back(text.substr(0, length));
    text.remove_prefix(length);
  }
  std::lock_guard<std::mutex> lock(mutex_);
  bool was_empty = pieces_.empty();
  for (UString& piece : pieces) pieces_.push_back(std::move(piece));
  return was_empty;
}

bool LogFeed::Pop(UString& piece) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (pieces_.empty()) return false;
  piece = std::move(pieces_.front());
  pieces_.pop_front();
  return true;
}

bool LogFeed::Empty() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return pieces_.empty();
}

}  // namespace sparlin::win32
