#include "program_model.h"

#include "text_util.h"

namespace sparlin::standin {

std::vector<std::string> SplitTopLevel(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::string current;
  int depth = 0;
  bool in_string = false;
  for (char c : text) {
    if (in_string) {
      if (c == '"') in_string = false;
    } else if (c == '"') {
      in_string = true;
    } else if (c == '(' || c == '[') {
      ++depth;
    } else if (c == ')' || c == ']') {
      --depth;
    } else if (c == separator && depth == 0) {
      parts.push_back(current);
      current.clear();
      continue;
    }
    current += c;
  }
  parts.push_back(current);
  return parts;
}

namespace {

// The text between the first '(' and its closing ')'.
std::string ParenthesisContent(std::string_view code) {
  size_t open = code.find('(');
  if (open == std::string_view::npos) return {};
  int depth = 0;
  for (size_t i = open; i < code.size(); ++i) {
    if (code[i] == '(') ++depth;
    if (code[i] == ')' && --depth == 0) return std::string(code.substr(open + 1, i - open - 1));
  }
  return std::string(code.substr(open + 1));
}

size_t CountParameters(std::string_view code) {
  std::string inside = TrimSpaces(ParenthesisContent(code));
  return inside.empty() ? 0 : SplitTopLevel(inside, ',').size();
}

// A zero byte (or another control character) that a source line carries
// would end the assembler's reading of the "; " comment line it is copied to.
std::string WithoutControlCharacters(const std::string& line) {
  std::string kept;
  for (char c : line)
    if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') kept += c;
  return kept;
}

bool IsProcedureKeyword(const std::string& first) {
  return first == "procedure" || first == "procedurec" || first == "proceduredll" ||
         first == "procedurecdll";
}

ProcedureModel ReadProcedureHeader(const std::string& code, const std::string& first, size_t index) {
  ProcedureModel procedure;
  procedure.index = index;
  procedure.header = TrimSpaces(code);
  procedure.exported = first.size() > 9 && first.substr(first.size() - 3) == "dll";
  procedure.c_calling = first == "procedurec" || first == "procedurecdll";
  std::string rest = TrimLeftSpaces(procedure.header.substr(first.size()));
  if (!rest.empty() && rest[0] == '$') {  // the old "Procedure$" form of a string result
    rest = TrimLeftSpaces(rest.substr(1));
  } else if (!rest.empty() && rest[0] == '.') {  // return type
    size_t e = 1;
    while (e < rest.size() && IsIdentChar(rest[e])) ++e;
    rest = TrimLeftSpaces(rest.substr(e));
  }
  size_t e = 0;
  while (e < rest.size() && IsIdentChar(rest[e])) ++e;
  procedure.name = rest.substr(0, e);
  std::string inside = TrimSpaces(ParenthesisContent(rest));
  if (!inside.empty()) {
    for (const std::string& p : SplitTopLevel(inside, ',')) {
      std::string name = TrimSpaces(p.substr(0, p.find('=')));
      // "List Items()", "Map Names.s()", "Array Cells.l(2)": the name after the keyword.
      std::string keyword = FirstWordLower(name);
      if ((keyword == "list" || keyword == "map" || keyword == "array") && name.size() > keyword.size() &&
          (name[keyword.size()] == ' ' || name[keyword.size()] == '\t'))
        name = TrimLeftSpaces(name.substr(keyword.size()));
      if (!name.empty() && name[0] == '*') name.erase(0, 1);
      procedure.parameters.push_back(name.substr(0, name.find_first_of(".( \t")));
    }
  }
  return procedure;
}

}  // namespace

ProgramModel ReadProgram(const std::string& text) {
  ProgramModel program;
  std::string skip_until;  // end keyword of a block whose lines are no code
  ImportBlock* import = nullptr;
  ProcedureModel* procedure = nullptr;
  for (const std::string& line : SplitTextLines(text)) {
    std::string code = TrimRightSpaces(CodePart(WithoutControlCharacters(line)));
    std::string first = FirstWordLower(code);
    if (!skip_until.empty()) {
      if (first == skip_until) skip_until.clear();
      continue;
    }
    if (import) {
      if (first == "endimport") {
        import = nullptr;
      } else if (!first.empty()) {
        std::string name = TrimLeftSpaces(code);
        size_t e = 0;
        while (e < name.size() && IsIdentChar(name[e])) ++e;
        import->functions.push_back({name.substr(0, e), CountParameters(code)});
      }
      continue;
    }
    if (first == "macro") {
      skip_until = "endmacro";
    } else if (first == "structure") {
      skip_until = "endstructure";
    } else if (first == "interface") {
      skip_until = "endinterface";
    } else if (first == "datasection") {
      skip_until = "enddatasection";
    } else if (first == "enumeration" || first == "enumerationbinary") {
      skip_until = "endenumeration";
    } else if (first == "import" || first == "importc") {
      std::string literal;
      FirstStringLiteral(code, literal);
      program.imports.push_back({literal, first == "importc", {}});
      import = &program.imports.back();
    } else if (IsProcedureKeyword(first)) {
      program.procedures.push_back(ReadProcedureHeader(code, first, program.procedures.size()));
      procedure = &program.procedures.back();
    } else if (first == "endprocedure") {
      procedure = nullptr;
    } else if (procedure) {
      procedure->lines.push_back(code);
    } else if (!TrimSpaces(code).empty()) {
      program.main_lines.push_back(code);
    }
  }
  return program;
}

}  // namespace sparlin::standin
