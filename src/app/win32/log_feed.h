// The log's text on its way into the view. Appends of any thread wait here
// in pieces of bounded size; the event loop moves one piece at a time into
// the view when no window message is waiting, so that a compiler's long
// output never holds the window still.
#pragma once

#include <deque>
#include <mutex>

#include "text/ustring.h"

namespace sparlin::win32 {

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
