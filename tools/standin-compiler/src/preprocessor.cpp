#include "preprocessor.h"

#include <map>
#include <set>
#include <vector>

#include "text/ustring.h"
#include "text_util.h"

namespace sparlin::standin {
namespace fs = std::filesystem;

namespace {

struct MacroDefinition {
  std::string name;
  bool has_parameters = false;
  std::vector<std::string> parameters;  // lower case
  std::vector<std::string> defaults;
  std::vector<std::string> body;
};

constexpr int kMaxExpansionDepth = 64;

// Looks a path up the way a case-insensitive file system would: the exact
// name first, then each component matched without regard to letter case.
fs::path FindExisting(const fs::path& candidate) {
  std::error_code ec;
  if (fs::is_regular_file(candidate, ec)) return candidate;
  fs::path built;
  for (const fs::path& part : candidate.lexically_normal()) {
    fs::path next = built / part;
    if (built.empty() || fs::exists(next, ec) || part == ".." || part == ".") {
      built = next;
      continue;
    }
    bool found = false;
    for (const auto& entry : fs::directory_iterator(built, ec)) {
      if (EqualsNoCase(PathText(entry.path().filename()), PathText(part))) {
        built = entry.path();
        found = true;
        break;
      }
    }
    if (!found) return {};
  }
  return fs::is_regular_file(built, ec) ? built : fs::path();
}

// Comma-separated arguments up to the parenthesis that closes the one at
// `open`; `end` receives the position after it.
bool ParseArguments(std::string_view text, size_t open, std::vector<std::string>& args, size_t& end) {
  int depth = 0;
  bool in_string = false;
  std::string current;
  for (size_t i = open; i < text.size(); ++i) {
    char c = text[i];
    if (in_string) {
      current += c;
      if (c == '"') in_string = false;
      continue;
    }
    if (c == '"') {
      in_string = true;
      current += c;
    } else if (c == '(') {
      if (depth++ > 0) current += c;
    } else if (c == ')') {
      if (--depth == 0) {
        args.push_back(TrimSpaces(current));
        end = i + 1;
        return true;
      }
      current += c;
    } else if (c == ',' && depth == 1) {
      args.push_back(TrimSpaces(current));
      current.clear();
    } else {
      current += c;
    }
  }
  return false;
}

class Preprocessor {
 public:
  Preprocessor(const fs::path& main_file, bool commented)
      : main_folder_(main_file.parent_path()), commented_(commented) {}

  bool Run(const fs::path& main_file) { return ProcessFile(main_file); }
  std::string& Output() { return out_; }
  const std::string& Error() const { return error_; }

 private:
  bool ProcessFile(const fs::path& file) {
    std::string bytes;
    if (!ReadFileBytes(file, bytes)) {
      error_ = "Error: can't open the file '" + PathText(file) + "'.";
      return false;
    }
    included_.insert(AsciiLower(PathText(fs::weakly_canonical(file))));
    // Lossless for files without a byte-order mark: bytes that are not UTF-8
    // come back unchanged when the text is encoded again.
    std::string text = EncodeUtf8(DecodeWithBom(bytes));
    std::vector<std::string> lines = SplitTextLines(text);
    // The real preprocessor gives a file's final line break one more (empty)
    // line.
    if (!text.empty() && (text.back() == '\n' || text.back() == '\r')) lines.emplace_back();
    for (size_t n = 0; n < lines.size(); ++n) {
      if (!ProcessLine(file, n + 1, lines[n])) return false;
    }
    return true;
  }

  bool ProcessLine(const fs::path& file, size_t line_number, const std::string& raw) {
    if (commented_) Emit("; " + raw);
    std::string code = CodePart(raw);
    std::string first = FirstWordLower(code);
    if (defining_) {
      Emit(code);
      if (first == "endmacro") {
        macros_[AsciiLower(current_.name)] = current_;
        defining_ = false;
      } else {
        current_.body.push_back(code);
      }
      return true;
    }
    if (TrimSpaces(code).empty()) return true;
    if (first == "includefile" || first == "xincludefile") {
      return Include(file, line_number, code, first == "xincludefile");
    }
    if (first == "includepath") {
      std::string literal;
      if (FirstStringLiteral(code, literal)) {
        fs::path folder = NativePath(literal);
        include_path_ = folder.is_absolute() ? folder : main_folder_ / folder;
      }
      return true;
    }
    if (first == "macro") {
      StartMacro(code);
      Emit(code);
      return true;
    }
    for (const std::string& line : Expand(code, 0)) {
      if (TrimSpaces(line).empty()) continue;
      std::string word = FirstWordLower(line);
      if (word == "endwith" && !with_.empty()) with_.pop_back();
      Emit(with_.empty() ? line : ResolveWith(line, with_.back()));
      if (word == "with") with_.push_back(TrimSpaces(TrimLeftSpaces(line).substr(4)));
    }
    return true;
  }

  // Inside With ... EndWith, a field access that starts with '\' gets the
  // With expression in front of it; the real preprocessor then drops the
  // line's indentation and writes a plain name with a blank before it.
  static std::string ResolveWith(const std::string& line, const std::string& expression) {
    std::string prefix = (!expression.empty() && IsIdentStart(expression[0]) ? " " : "") + expression;
    std::string trimmed = TrimLeftSpaces(line);
    std::string out;
    bool in_string = false, changed = false;
    char previous = ' ';
    for (char c : trimmed) {
      if (c == '"') in_string = !in_string;
      if (!in_string && c == '\\' && !IsIdentChar(previous) && previous != ')' && previous != ']' &&
          previous != '$') {
        out += prefix;
        changed = true;
      }
      out += c;
      previous = c;
    }
    return changed ? out : line;
  }

  bool Include(const fs::path& file, size_t line_number, const std::string& code, bool once) {
    std::string literal;
    if (!FirstStringLiteral(code, literal)) {
      Emit(code);
      return true;
    }
    fs::path name = NativePath(literal);
    std::vector<fs::path> candidates;
    if (name.is_absolute()) {
      candidates.push_back(name);
    } else {
      if (!include_path_.empty()) candidates.push_back(include_path_ / name);
      candidates.push_back(main_folder_ / name);
      candidates.push_back(file.parent_path() / name);
    }
    fs::path found;
    for (const fs::path& candidate : candidates) {
      found = FindExisting(candidate);
      if (!found.empty()) break;
    }
    if (found.empty()) {
      error_ = "Line " + std::to_string(line_number) + ": File not found (" + literal + ") in '" +
               PathText(file.filename()) + "'.";
      return false;
    }
    if (once && included_.count(AsciiLower(PathText(fs::weakly_canonical(found))))) return true;
    return ProcessFile(found);
  }

  void StartMacro(const std::string& code) {
    current_ = MacroDefinition();
    std::string rest = TrimLeftSpaces(TrimLeftSpaces(code).substr(5));
    size_t e = 0;
    while (e < rest.size() && IsIdentChar(rest[e])) ++e;
    current_.name = rest.substr(0, e);
    size_t open = rest.find_first_not_of(" \t", e);
    if (open != std::string::npos && rest[open] == '(') {
      current_.has_parameters = true;
      std::vector<std::string> params;
      size_t end = 0;
      if (ParseArguments(rest, open, params, end)) {
        for (const std::string& p : params) {
          if (p.empty()) continue;
          size_t eq = p.find('=');
          current_.parameters.push_back(AsciiLower(TrimSpaces(p.substr(0, eq))));
          current_.defaults.push_back(eq == std::string::npos ? "" : TrimSpaces(p.substr(eq + 1)));
        }
      }
    }
    defining_ = true;
  }

  // One body line with the parameters replaced by the arguments; a '#' next
  // to a parameter joins it to its neighbour.
  static std::string Substitute(const MacroDefinition& macro, const std::string& line,
                                const std::vector<std::string>& args) {
    std::string out;
    bool in_string = false;
    for (size_t i = 0; i < line.size();) {
      char c = line[i];
      if (in_string || c == '"') {
        if (c == '"' && in_string) in_string = false;
        else if (c == '"') in_string = true;
        out += c;
        ++i;
        continue;
      }
      if (!IsIdentStart(c) || (i > 0 && IsIdentChar(line[i - 1]))) {
        out += c;
        ++i;
        continue;
      }
      size_t e = i;
      while (e < line.size() && IsIdentChar(line[e])) ++e;
      std::string word = line.substr(i, e - i);
      size_t index = macro.parameters.size();
      for (size_t p = 0; p < macro.parameters.size(); ++p)
        if (macro.parameters[p] == AsciiLower(word)) index = p;
      if (index == macro.parameters.size()) {
        out += word;
        i = e;
        continue;
      }
      if (out.size() >= 2 && out.back() == '#' && IsIdentChar(out[out.size() - 2])) out.pop_back();
      out += index < args.size() && !args[index].empty() ? args[index] : macro.defaults[index];
      if (e + 1 < line.size() && line[e] == '#' && IsIdentChar(line[e + 1])) ++e;
      i = e;
    }
    return out;
  }

  std::vector<std::string> Expand(const std::string& code, int depth) {
    if (depth < kMaxExpansionDepth) {
      bool in_string = false;
      for (size_t i = 0; i < code.size(); ++i) {
        char c = code[i];
        if (c == '"') in_string = !in_string;
        if (in_string || !IsIdentStart(c)) continue;
        if (i > 0 && (IsIdentChar(code[i - 1]) || code[i - 1] == '.' || code[i - 1] == '\\' ||
                      code[i - 1] == '#' || code[i - 1] == '*')) {
          while (i + 1 < code.size() && IsIdentChar(code[i + 1])) ++i;
          continue;
        }
        size_t e = i;
        while (e < code.size() && IsIdentChar(code[e])) ++e;
        auto found = macros_.find(AsciiLower(code.substr(i, e - i)));
        if (found == macros_.end()) {
          i = e - 1;
          continue;
        }
        const MacroDefinition& macro = found->second;
        std::vector<std::string> args;
        size_t end = e;
        if (macro.has_parameters) {
          size_t open = code.find_first_not_of(" \t", e);
          if (open == std::string::npos || code[open] != '(' || !ParseArguments(code, open, args, end)) {
            i = e - 1;
            continue;
          }
        }
        std::vector<std::string> body;
        for (const std::string& line : macro.body) {
          std::string substituted = TrimLeftSpaces(Substitute(macro, line, args));
          if (!TrimSpaces(substituted).empty()) body.push_back(substituted);
        }
        if (body.empty()) body.push_back("");
        body.front() = code.substr(0, i) + body.front();
        body.back() += code.substr(end);
        std::vector<std::string> result;
        for (const std::string& line : body) {
          for (std::string& expanded : Expand(TrimLeftSpaces(line), depth + 1))
            result.push_back(std::move(expanded));
        }
        return result;
      }
    }
    return {code};
  }

  void Emit(const std::string& line) {
    out_ += line;
    out_ += '\n';
  }

  fs::path main_folder_;
  fs::path include_path_;
  bool commented_;
  std::set<std::string> included_;
  std::map<std::string, MacroDefinition> macros_;
  bool defining_ = false;
  std::vector<std::string> with_;
  MacroDefinition current_;
  std::string out_;
  std::string error_;
};

}  // namespace

PreprocessResult PreprocessSource(const fs::path& main_file, bool commented) {
  Preprocessor preprocessor(main_file, commented);
  PreprocessResult result;
  result.ok = preprocessor.Run(main_file);
  result.error = preprocessor.Error();
  if (result.ok) result.text = std::move(preprocessor.Output());
  return result;
}

}  // namespace sparlin::standin
