#include "app/win32/log_feed.h"

#include <string>

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

UString ViewTextOf(UStringView chunk) {
  size_t lines = 0;
  for (char16_t c : chunk) lines += c == u'\n';
  if (lines <= kViewLinesPerAppend) return UString(chunk);
  // The ends of the first and of the last half of the lines shown.
  size_t half = kViewLinesPerAppend / 2;
  size_t head_end = 0, tail_start = chunk.size(), seen = 0;
  for (size_t i = 0; i < chunk.size() && seen < half; ++i) {
    if (chunk[i] == u'\n' && ++seen == half) head_end = i + 1;
  }
  seen = 0;
  for (size_t i = chunk.size(); i-- > 0;) {
    if (chunk[i] == u'\n' && ++seen == half + 1) {
      tail_start = i + 1;
      break;
    }
  }
  size_t left_out = lines - 2 * half;
  std::string note = "\t[ " + std::to_string(left_out) + " lines left out here; Save Log writes the whole log ]\r\n";
  return UString(chunk.substr(0, head_end)) + UString(note.begin(), note.end()) + UString(chunk.substr(tail_start));
}

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
