// Shared helpers of the source stage tests: corpus files, line-end
// conversion and a way to make a safe file replacement fail.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/replacement_block.h"
#include "support/temp_dir.h"

namespace sparlin::testing {

// A file of the real PureBasic corpus, byte for byte.
inline std::string CorpusFile(const std::string& name) {
  const std::string path = std::string(SPARLIN_CORPUS_DIR) + "/pb/" + name;
  std::ifstream in(path, std::ios::binary);
  if (!in) ADD_FAILURE() << "the corpus file " << path << " cannot be read";
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// "\n" -> "\r\n", for expected texts written as raw literals.
inline std::string Crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// Byte-level replacement of every occurrence.
inline std::string ReplaceBytes(std::string text, std::string_view from, std::string_view to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

}  // namespace sparlin::testing
