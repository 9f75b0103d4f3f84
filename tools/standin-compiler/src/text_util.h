// Small helpers on UTF-8 text for the stand-in compiler. PureBasic source and
// assembly are line-oriented ASCII-keyword text, so the tool works on the file
// bytes directly and converts to UTF-16 only where code units matter (static
// strings).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sparlin::standin {

bool IsIdentChar(char c);
bool IsIdentStart(char c);
std::string AsciiLower(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
std::string TrimSpaces(std::string_view text);      // blanks and tabs
std::string TrimLeftSpaces(std::string_view text);
std::string TrimRightSpaces(std::string_view text);

// Splits at LF, CRLF or CR; a final line break adds no empty line.
std::vector<std::string> SplitTextLines(std::string_view text);

// The code part of a PureBasic line: everything before a ';' that is not
// inside a string literal or character constant.
std::string CodePart(std::string_view line);

// The first word of a code line (letters, digits, '_'), lower-cased.
std::string FirstWordLower(std::string_view code);

// The text of the first string literal on the line, without quotes.
bool FirstStringLiteral(std::string_view code, std::string& literal);

// A path from a command line or a source text as this system expects it:
// backslashes become slashes outside Windows.
std::filesystem::path NativePath(std::string_view text);
std::string PathText(const std::filesystem::path& path);

bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes);
bool WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace sparlin::standin
