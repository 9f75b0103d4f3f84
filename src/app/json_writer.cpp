#include "app/json_writer.h"

#include <cmath>
#include <cstdio>

namespace sparlin {
namespace {

void AppendUtf8(std::string& out, uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

void AppendEscape(std::string& out, uint32_t unit) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\u%04X", unit);
  out += buffer;
}

}  // namespace

std::string JsonString(UStringView text) {
  std::string out = "\"";
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    switch (c) {
      case u'"': out += "\\\""; continue;
      case u'\\': out += "\\\\"; continue;
      case u'\n': out += "\\n"; continue;
      case u'\r': out += "\\r"; continue;
      case u'\t': out += "\\t"; continue;
      default: break;
    }
    if (c < 0x20) {
      AppendEscape(out, c);
    } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((c - 0xD800u) << 10) + (text[i + 1] - 0xDC00u));
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      AppendEscape(out, c);
    } else {
      AppendUtf8(out, c);
    }
  }
  return out + "\"";
}

void JsonWriter::NewLine() {
  out_ += '\n';
  out_.append(2 * has_items_.size(), ' ');
}

void JsonWriter::BeforeValue() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (has_items_.empty()) return;
  if (has_items_.back()) out_ += ',';
  has_items_.back() = true;
  NewLine();
}

void JsonWriter::Key(std::string_view key) {
  BeforeValue();
  out_ += JsonString(DecodeUtf8(key)) + ": ";
  after_key_ = true;
}

void JsonWriter::Open(char bracket) {
  BeforeValue();
  out_ += bracket;
  has_items_.push_back(false);
}

void JsonWriter::Close(char bracket) {
  bool had_items = has_items_.back();
  has_items_.pop_back();
  if (had_items) NewLine();
  out_ += bracket;
}

void JsonWriter::String(UStringView text) {
  BeforeValue();
  out_ += JsonString(text);
}

void JsonWriter::Integer(int64_t value) {
  BeforeValue();
  out_ += std::to_string(value);
}

void JsonWriter::Fixed(double value, int decimals) {
  BeforeValue();
  if (!std::isfinite(value)) value = 0;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  out_ += buffer;
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
}

void JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
}

std::string JsonWriter::Take() {
  out_ += '\n';
  return std::move(out_);
}

}  // namespace sparlin
