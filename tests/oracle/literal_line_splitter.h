// The compiler output line splitter as it was before it kept its search
// position: it searches the whole buffer again after every read. Kept to
// show that the shipped splitter cuts every output into the same lines.
#pragma once

#include <string>

namespace sparlin::oracle {

class LiteralLineSplitter {
 public:
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

}  // namespace sparlin::oracle
