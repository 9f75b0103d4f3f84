#include "text_util.h"

#include <fstream>
#include <iterator>

namespace sparlin::standin {

bool IsIdentChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsIdentStart(char c) { return IsIdentChar(c) && !(c >= '0' && c <= '9'); }

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && AsciiLower(a) == AsciiLower(b);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

std::string TrimLeftSpaces(std::string_view text) {
  size_t b = 0;
  while (b < text.size() && (text[b] == ' ' || text[b] == '\t')) ++b;
  return std::string(text.substr(b));
}

std::string TrimRightSpaces(std::string_view text) {
  size_t e = text.size();
  while (e > 0 && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  return std::string(text.substr(0, e));
}

std::string TrimSpaces(std::string_view text) { return TrimLeftSpaces(TrimRightSpaces(text)); }

std::vector<std::string> SplitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n' && text[i] != '\r') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string CodePart(std::string_view line) {
  bool in_string = false, escaped_string = false, in_char = false;
  for (size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (in_string) {
      if (escaped_string && c == '\\') {
        ++i;
      } else if (c == '"') {
        in_string = false;
      }
      continue;
    }
    if (in_char) {
      if (c == '\'') in_char = false;
      continue;
    }
    if (c == '"') {
      in_string = true;
      escaped_string = i > 0 && line[i - 1] == '~';
    } else if (c == '\'') {
      in_char = true;
    } else if (c == ';') {
      return std::string(line.substr(0, i));
    }
  }
  return std::string(line);
}

std::string FirstWordLower(std::string_view code) {
  std::string trimmed = TrimLeftSpaces(code);
  size_t e = 0;
  while (e < trimmed.size() && IsIdentChar(trimmed[e])) ++e;
  return AsciiLower(trimmed.substr(0, e));
}

bool FirstStringLiteral(std::string_view code, std::string& literal) {
  size_t open = code.find('"');
  if (open == std::string_view::npos) return false;
  size_t close = code.find('"', open + 1);
  if (close == std::string_view::npos) return false;
  literal = std::string(code.substr(open + 1, close - open - 1));
  return true;
}

std::filesystem::path NativePath(std::string_view text) {
  std::string s(text);
#ifndef _WIN32
  for (char& c : s)
    if (c == '\\') c = '/';
#endif
  return std::filesystem::path(std::u8string(s.begin(), s.end()));
}

std::string PathText(const std::filesystem::path& path) {
  std::u8string u = path.u8string();
  return std::string(u.begin(), u.end());
}

bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool WriteFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace sparlin::standin
