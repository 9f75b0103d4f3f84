// The log's text on its way into the view. Appends of any thread wait here
// in pieces of bounded size; the event loop moves one piece at a time into
// the view when no window message is waiting, so that a compiler's long
// output never holds the window still.
#pragma once

#include <deque>
#include <mutex>

#include "text/ustring.h"

namespace sparlin::win32 {

// The most lines of one append that the view shows. The view costs far more
// memory per line than the text itself, so of a longer append (a compiler
// that prints hundreds of thousands of lines) it shows the first and the
// last half of that many and, between them, a line that says how many it
// left out. The run log itself keeps every line: Save Log writes them all.
constexpr size_t kViewLinesPerAppend = 25000;

// `chunk` as the view shows it, under the rule above.
UString ViewTextOf(UStringView chunk);

class LogFeed {
 public:
  // The most UTF-16 code units of one piece.
  static constexpr size_t kPieceUnits = 64 * 1024;

  // Any thread: queues `text` cut into pieces of at most kPieceUnits units,
  // each ending after a line break where the text has one within that bound
  // (never inside a "\r\n" or a surrogate pair). True when the feed was
  // empty before: the event loop may be waiting and must be woken.
  bool Push(UStringView text);
  // The next piece; false when none waits.
  bool Pop(UString& piece);
  bool Empty() const;

 private:
  mutable std::mutex mutex_;
  std::deque<UString> pieces_;
};

}  // namespace sparlin::win32
