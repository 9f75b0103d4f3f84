#include "core/run_log.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "text/paths.h"

namespace sparlin {

RunLog::~RunLog() { std::free(data_); }

// The block grows by half its size with realloc, which moves a large block
// by remapping its pages rather than copying them: a long compiler output
// costs its own size and little more.
void RunLog::Reserve(size_t needed) {
  needed += 2;
  if (needed <= capacity_) return;
  size_t capacity = std::max(needed, capacity_ + capacity_ / 2);
  char* grown = static_cast<char*>(std::realloc(data_, capacity));
  if (!grown) throw std::bad_alloc();
  data_ = grown;
  capacity_ = capacity;
}

void RunLog::Append(const UString& text) { Append(EncodeUtf8(text)); }

void RunLog::Append(std::string_view utf8) {
  BeginEntry();
  AddToEntry({utf8});
  EndEntry();
}

void RunLog::BeginEntry() {
  std::lock_guard<std::mutex> lock(mutex_);
  size_ = committed_;
  if (committed_ == 0) return;
  Reserve(size_ + 2);
  std::memcpy(data_ + size_, "\r\n", 2);
  size_ += 2;
}

void RunLog::AddToEntry(std::initializer_list<std::string_view> utf8_parts) {
  size_t total = 0;
  for (std::string_view part : utf8_parts) total += part.size();
  std::lock_guard<std::mutex> lock(mutex_);
  Reserve(size_ + total);
  for (std::string_view part : utf8_parts) {
    if (part.empty()) continue;
    std::memcpy(data_ + size_, part.data(), part.size());
    size_ += part.size();
  }
}

void RunLog::EndEntry() {
  size_t start;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    start = committed_;
    committed_ = size_;
  }
  // Outside the lock: the view may wait for the main thread, which may be
  // reading the text for Save Log at that moment. There is one writer at a
  // time, and only the writer moves the block, so the chunk stays valid and
  // the chunks reach the view in order.
  host_.LogAppendedUtf8(std::string_view(data_ + start, size_ - start));
}

UString RunLog::Text() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return DecodeUtf8(std::string_view(data_, committed_));
}

std::string RunLog::Utf8Text() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return std::string(data_, committed_);
}

bool RunLog::WriteFileBytes(const std::function<bool(std::string_view bytes)>& write) const {
  std::lock_guard<std::mutex> lock(mutex_);
  if (size_ != committed_) {
    // An entry is being written behind the text: the file gets a copy.
    return write(std::string(data_, committed_) + "\r\n");
  }
  // The two spare bytes after the text hold the final line break; nothing
  // reads them as part of the log.
  char* end = data_ ? data_ + committed_ : nullptr;
  if (!end) return write("\r\n");
  std::memcpy(end, "\r\n", 2);
  return write(std::string_view(data_, committed_ + 2));
}

UString BannerEntry(const UString& title) {
  return u"\r\n\r\n ---  " + title + u"  " + UString(91, u'-') + u"\r\n";
}

UString CompilerPathEntry(const UString& compiler_path) {
  return u"\r\n\t\u00B7  Compiler:   \t\"" + compiler_path + u"\"";
}

UString SourcePathEntry(const UString& source_path) {
  return u"\r\n\t\u00B7  Source file:\t\"" + source_path + u"\"";
}

UString OutputPathEntry(const UString& output_path) {
  return u"\r\n\t\u00B7  Output file:\t\"" + output_path + u"\"\r\n";
}

UString PreprocessHeader() { return u"\r\n ---  PREPROCESS  " + UString(104, u'-') + u"\r\n"; }
UString AsmHeader() { return u"\r\n ---  ASM  " + UString(121, u'-') + u"\r\n"; }
UString ReasmHeader() { return u" ---  REASM  " + UString(116, u'-') + u"\r\n"; }

UString TimeEntry(uint64_t elapsed_ms) {
  // Single precision, as the elapsed time has always been computed.
  float seconds = static_cast<float>(elapsed_ms) / 1000.0f;
  char text[64];
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(seconds));
  return u"\tTime: " + U(text) + u"s\r\n\r\n";
}

std::string LogFileBytes(const UString& log_text) { return EncodeUtf8(log_text + u"\r\n"); }

UString ProposedLogFileName(const UString& optimized_source_path, int year, int month, int day, int hour,
                            int minute, int second) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%02d%02d%02d_%02d%02d%02d", year % 100, month % 100, day % 100,
                hour % 100, minute % 100, second % 100);
  return PathFolder(optimized_source_path) + u"Sparl_" + U(stamp) + u".txt";
}

}  // namespace sparlin
