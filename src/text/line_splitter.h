// Cuts a child's standard output into lines as it arrives: a line ends at
// "\n" (a "\r" before it is removed); the last line may lack its end. (A
// file's text splits at "\r" alone too: ForEachLine in text_ops.h.)
#pragma once

#include <string>

namespace sparlin {

class LineSplitter {
 public:
  // Gives the next line, calling `read(buffer, size)` for more bytes while no
  // line is complete; `read` blocks and returns 0 at the end of the output.
  // False once the output is used up.
  template <typename ReadChunk>
  bool NextLine(std::string& line, ReadChunk read) {
    line.clear();
    while (true) {
      // Only the bytes that arrived since the last search are searched, so
      // a long line costs one pass however many reads it takes.
      size_t eol = buffer_.find('\n', searched_);
      if (eol != std::string::npos) {
        if (start_ == 0 && eol + 1 == buffer_.size()) {
          // The buffer holds just this line: hand it over without a copy.
          line.swap(buffer_);
          line.pop_back();
          buffer_.clear();
          searched_ = 0;
        } else {
          line.assign(buffer_, start_, eol - start_);
          start_ = searched_ = eol + 1;
        }
        break;
      }
      searched_ = buffer_.size();
      if (ended_ || !ReadMore(read)) {
        ended_ = true;
        if (start_ == buffer_.size()) return false;
        line.assign(buffer_, start_, std::string::npos);
        buffer_.clear();
        start_ = searched_ = 0;
        break;
      }
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
  }

 private:
  template <typename ReadChunk>
  bool ReadMore(ReadChunk read) {
    // Lines already given are dropped once they fill half the buffer, so
    // each byte is moved a bounded number of times.
    if (start_ > 0 && start_ * 2 >= buffer_.size()) {
      buffer_.erase(0, start_);
      searched_ -= start_;
      start_ = 0;
    }
    char chunk[4096];
    size_t got = read(chunk, sizeof chunk);
    buffer_.append(chunk, got);
    return got > 0;
  }

  std::string buffer_;
  size_t start_ = 0;     // first byte of the next line
  size_t searched_ = 0;  // bytes before this hold no line end after start_
  bool ended_ = false;
};

}  // namespace sparlin
