// The stand-in's reading of a preprocessed PureBasic program: main code lines,
// procedures, import blocks. Only as much as the assembly writer needs.
#pragma once

#include <string>
#include <vector>

namespace sparlin::standin {

struct ImportedFunction {
  std::string name;
  size_t parameter_count = 0;
};

struct ImportBlock {
  std::string library;  // as written in the Import line
  bool c_calling = false;
  std::vector<ImportedFunction> functions;
};

struct ProcedureModel {
  std::string name;
  size_t index = 0;
  bool exported = false;  // ProcedureDLL / ProcedureCDLL
  bool c_calling = false;  // ProcedureC / ProcedureCDLL
  std::vector<std::string> parameters;
  std::string header;               // the Procedure line's code
  std::vector<std::string> lines;   // code lines of the body
};

struct ProgramModel {
  std::vector<std::string> main_lines;  // code parts, in order
  std::vector<ProcedureModel> procedures;
  std::vector<ImportBlock> imports;
};

ProgramModel ReadProgram(const std::string& text);

// Splits "a, (b, c), "d,e"" at the commas of the outer level.
std::vector<std::string> SplitTopLevel(std::string_view text, char separator);

}  // namespace sparlin::standin
