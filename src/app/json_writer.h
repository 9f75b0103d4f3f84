// A JSON document written as it goes: two-space indentation, UTF-8, every
// text escaped so that any file name or message makes a valid document.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/ustring.h"

namespace sparlin {

class JsonWriter {
 public:
  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }
  // The key of the next value inside an object.
  void Key(std::string_view key);

  void String(UStringView text);
  void Integer(int64_t value);
  // A number with `decimals` digits after the point.
  void Fixed(double value, int decimals);
  void Bool(bool value);
  void Null();

  // The document, ending with a line feed.
  std::string Take();

 private:
  void Open(char bracket);
  void Close(char bracket);
  void BeforeValue();
  void NewLine();

  std::string out_;
  std::vector<bool> has_items_;  // per open bracket
  bool after_key_ = false;
};

// `text` as a JSON string literal, quotes included. A lone surrogate (a byte
// of a file name that was not UTF-8) is written as its \u escape.
std::string JsonString(UStringView text);

}  // namespace sparlin
