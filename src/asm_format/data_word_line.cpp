#include "asm_format/data_word_line.h"

#include "text/text_ops.h"

namespace sparlin {
namespace {

constexpr char16_t kDataWordMark[] = u": dw ";

int DigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return 99;
}

// The value list: the third blank-separated word, trimmed. Two blanks in a row
// delimit an empty word, so a sloppily spaced line yields no values.
UString ValueList(UStringView line) { return TrimBlanks(StringField(line, 3, u' ')); }

}  // namespace

int64_t ParseDataWordValue(UStringView field) {
  size_t i = 0;
  while (i < field.size() && (field[i] == u' ' || field[i] == u'\t')) ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == u'-' || field[i] == u'+')) negative = field[i++] == u'-';
  int base = 10;
  if (i < field.size() && field[i] == u'$') {
    base = 16;
    ++i;
  } else if (i < field.size() && field[i] == u'%') {
    base = 2;
    ++i;
  }
  // Unsigned arithmetic wraps instead of overflowing; only the low 16 bits
  // matter to the caller.
  uint64_t value = 0;
  for (; i < field.size(); ++i) {
    int digit = DigitValue(field[i]);
    if (digit >= base) break;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
  }
  if (negative) value = ~value + 1;
  return static_cast<int64_t>(value);
}

UString DecodeDataWordLine(UStringView line) {
  if (!Contains(line, kDataWordMark)) return UString();
  UString values = ValueList(line);
  size_t commas = CountOccurrences(values, u",");
  UString text;
  text.reserve(commas);
  // The field after the last comma is the terminator and is never read.
  size_t start = 0;
  for (size_t i = 0; i < commas; ++i) {
    size_t comma = values.find(u',', start);
    auto value = static_cast<uint64_t>(ParseDataWordValue(UStringView(values).substr(start, comma - start)));
    text.push_back(static_cast<char16_t>(value & 0xFFFFu));
    start = comma + 1;
  }
  return text;
}

UString StripFolderFromDataWordLine(UStringView line, UStringView source_folder) {
  if (!Contains(line, kDataWordMark)) return UString();
  // The label, ": dw " and nothing more for a well-formed line.
  size_t colon = line.find(u": ");
  UString prefix(line.substr(0, colon + 5));
  UString text = DecodeDataWordLine(line);
  if (source_folder.empty() || !Contains(text, source_folder)) return UString();
  text = ReplaceAllNoCase(text, source_folder, u"");
  UString out = prefix;
  for (char16_t unit : text) {
    out += ToDecimal(unit);
    out += u',';
  }
  out += u'0';
  return out;
}

}  // namespace sparlin
