#include "payload.h"

#include <cstdint>

namespace sparlin::standin {

namespace {

constexpr std::string_view kMagic = "SPARLIN-STANDIN-PAYLOAD\n";
constexpr std::string_view kTrailerMagic = "SPLNPAY1";

// Texts are stored one per line; line breaks and backslashes are escaped.
std::string Escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') out += "\\\\";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out += c;
  }
  return out;
}

std::string Unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 >= text.size()) {
      out += text[i];
      continue;
    }
    char n = text[++i];
    out += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
  }
  return out;
}

void PutU64(std::string& out, uint64_t value) {
  for (int i = 0; i < 8; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint64_t GetU64(std::string_view bytes) {
  uint64_t value = 0;
  for (int i = 7; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

}  // namespace

std::string EncodePayload(const ProgramPayload& payload) {
  std::string text(kMagic);
  for (const std::string& library : payload.libraries) text += "library=" + Escape(library) + "\n";
  for (const std::string& printed : payload.printed) text += "print=" + Escape(printed) + "\n";
  for (const ImageLoad& image : payload.images) {
    text += "image=" + Escape(image.file) + "\n";
    text += "plugin=" + Escape(image.plugin) + "\n";
    text += std::string("linked=") + (image.plugin_linked ? "1" : "0") + "\n";
  }
  return text + "end\n";
}

bool DecodePayload(std::string_view text, ProgramPayload& payload) {
  if (text.substr(0, kMagic.size()) != kMagic) return false;
  size_t pos = kMagic.size();
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) return false;
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (line == "end") return true;
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    std::string_view key = line.substr(0, eq);
    std::string value = Unescape(line.substr(eq + 1));
    if (key == "library") {
      payload.libraries.push_back(value);
    } else if (key == "print") {
      payload.printed.push_back(value);
    } else if (key == "image") {
      payload.images.push_back({value, "", true});
    } else if (key == "plugin" && !payload.images.empty()) {
      payload.images.back().plugin = value;
    } else if (key == "linked" && !payload.images.empty()) {
      payload.images.back().plugin_linked = value == "1";
    }
  }
  return false;
}

std::string BuildOutputFile(std::string_view runner, std::string_view payload_text,
                            std::string_view filler) {
  std::string out(runner);
  uint64_t offset = out.size();
  out += payload_text;
  out += filler;
  PutU64(out, offset);
  PutU64(out, payload_text.size());
  out += kTrailerMagic;
  return out;
}

bool ExtractPayloadText(std::string_view file, std::string& payload_text) {
  const size_t trailer = 16 + kTrailerMagic.size();
  if (file.size() < trailer) return false;
  if (file.substr(file.size() - kTrailerMagic.size()) != kTrailerMagic) return false;
  uint64_t offset = GetU64(file.substr(file.size() - trailer, 8));
  uint64_t length = GetU64(file.substr(file.size() - trailer + 8, 8));
  if (offset > file.size() - trailer || length > file.size() - trailer - offset) return false;
  payload_text = std::string(file.substr(offset, length));
  return true;
}

}  // namespace sparlin::standin
