// Cuts a child's standard output into lines as it arrives: a line ends at
// "\n" (a "\r" before it is removed); the last line may lack its end.
#pragma once

#include <string>

namespace sparlin::platform {

class LineSplitter {
 public:
  // Gives the next line, calling `read(buffer, size)` for more bytes while no
  // line is complete; `read` blocks and returns 0 at the end of the output.
  // False once the output is used up.
  template <typename ReadChunk>
  bool NextLine(std::string& line, ReadChunk read) {
    line.clear();
    while (true) {
      size_t eol = buffer_.find('\n');
      if (eol != std::string::npos) {
        line = buffer_.substr(0, eol);
        buffer_.erase(0, eol + 1);
        break;
      }
      if (ended_ || !ReadMore(read)) {
        ended_ = true;
        if (buffer_.empty()) return false;
        line.swap(buffer_);
        buffer_.clear();
        break;
      }
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
  }

 private:
  template <typename ReadChunk>
  bool ReadMore(ReadChunk read) {
    char chunk[4096];
    size_t got = read(chunk, sizeof chunk);
    buffer_.append(chunk, got);
    return got > 0;
  }

  std::string buffer_;
  bool ended_ = false;
};

}  // namespace sparlin::platform
