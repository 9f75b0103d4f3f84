#include "assembly_writer.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <set>

#include "library_catalog.h"
#include "text/ustring.h"
#include "text_util.h"

namespace sparlin::standin {
namespace fs = std::filesystem;

namespace {

using Code = std::vector<std::string>;

const std::set<std::string> kSilentKeywords = {
    "else", "endif", "wend", "repeat", "forever", "next", "endselect", "default", "endwith",
    "with", "declare", "declarec", "declaredll", "declarecdll", "enableexplicit",
    "disableexplicit", "compilerif", "compilerelse", "compilerelseif", "compilerendif",
    "compilerselect", "compilercase", "compilerdefault", "compilerendselect", "goto", "gosub",
    "return", "break", "continue", "includebinary", "declaremodule", "enddeclaremodule", "module",
    "endmodule", "usemodule", "unusemodule", "debug", "debuglevel", "enabledebugger",
    "disabledebugger", "enableasm", "disableasm", "endimport", "prototype", "prototypec", "data",
    "restore", "read", "xincludefile", "includefile", "includepath"};
const std::set<std::string> kConditionKeywords = {"if", "elseif", "while", "until", "case", "select", "foreach"};
const std::set<std::string> kDeclarationKeywords = {"global", "define", "protected", "shared",
                                                   "static", "threaded"};
const std::set<std::string> kListSortCommands = {"sortlist", "sortstructuredlist", "customsortlist",
                                                 "randomizelist"};
const std::set<std::string> kOperatorWords = {"and", "or", "not", "xor", "to", "step"};

const char* const kRegisters64[] = {"rcx", "rdx", "r8", "r9"};

// The real compiler starts operands in the 10th column, but a symbol with the
// leading "_" (or a local ".label") one column earlier: "CALL   PB_Delay",
// "CALL  _PB_Delay@4", "JMP   _PB_EOP".
std::string Pad(const std::string& mnemonic, const std::string& operands) {
  std::string line = "  " + mnemonic;
  if (operands.empty()) return line;
  size_t blanks = mnemonic.size() < 7 ? 7 - mnemonic.size() : 1;
  if (blanks > 1 && (operands[0] == '_' || operands[0] == '.')) --blanks;
  line.append(blanks, ' ');
  return line + operands;
}

std::string DataWords(UStringView text) {
  std::string words;
  for (char16_t unit : text) words += std::to_string(static_cast<unsigned>(unit)) + ",";
  return words + "0";
}

// The end of the parenthesis group opened at `open`.
size_t ClosingParenthesis(std::string_view text, size_t open) {
  int depth = 0;
  bool in_string = false;
  for (size_t i = open; i < text.size(); ++i) {
    char c = text[i];
    if (in_string) {
      if (c == '"') in_string = false;
      continue;
    }
    if (c == '"') in_string = true;
    if (c == '(') ++depth;
    if (c == ')' && --depth == 0) return i;
  }
  return text.size();
}

class Writer {
 public:
  Writer(const ProgramModel& program, const TargetOptions& target, const fs::path& folder)
      : program_(program), target_(target), folder_(folder), catalog_(LibraryCatalog::Instance()) {}

  AssemblyOutput Run() {
    for (const ProcedureModel& p : program_.procedures) procedure_index_[AsciiLower(p.name)] = &p;
    for (const ImportBlock& block : program_.imports) {
      for (const ImportedFunction& f : block.functions)
        imported_[AsciiLower(f.name)] = {&block, &f};
    }
    Code main_code;
    for (const std::string& line : program_.main_lines) CompileLine(line, main_code, nullptr);
    std::vector<Code> procedure_code;
    for (const ProcedureModel& p : program_.procedures) procedure_code.push_back(CompileProcedure(p));
    CollectLibraries();

    std::string out;
    AppendHeader(out);
    AppendDeclarations(out);
    out += "section '.code' code readable executable align " + std::string(target_.x64 ? "4096" : "8") +
           "\n; \n; \n";
    AppendEntry(out);
    for (const std::string& line : main_code) out += line + "\n";
    AppendEnd(out);
    for (const Code& code : procedure_code)
      for (const std::string& line : code) out += line + "\n";
    out += "; \n";
    AppendData(out);
    AssemblyOutput result;
    result.assembly = std::move(out);
    result.definitions = Definitions();
    result.libraries = libraries_;
    result.unresolved_imports = unresolved_imports_;
    return result;
  }

 private:
  // ---- symbols -----------------------------------------------------------

  std::string Sym(const std::string& name) const { return target_.x64 ? name : "_" + name; }
  std::string Ax() const { return target_.x64 ? "rax" : "eax"; }
  std::string Word() const { return target_.x64 ? "qword" : "dword"; }

  std::string UsePbFunction(const std::string& name, size_t argument_count) {
    auto found = pb_functions_.find(name);
    if (found == pb_functions_.end()) {
      found = pb_functions_.emplace(name, argument_count).first;
      pb_order_.push_back(name);
    }
    if (target_.x64) return "PB_" + name;
    if (name == "PrintN") return "_PB_PrintN";
    return "_PB_" + name + "@" + std::to_string(found->second * 4);
  }

  std::string UseSystemFunction(const std::string& name, size_t argument_count, bool c_calling) {
    std::string symbol = target_.x64 ? name
                         : c_calling ? "_" + name
                                     : "_" + name + "@" + std::to_string(argument_count * 4);
    if (std::find(system_externs_.begin(), system_externs_.end(), symbol) == system_externs_.end())
      system_externs_.push_back(symbol);
    return symbol;
  }

  std::string UseSys(const std::string& name, size_t argument_bytes) {
    std::string symbol = target_.x64 ? name : "_" + name + "@" + std::to_string(argument_bytes);
    if (std::find(sys_externs_.begin(), sys_externs_.end(), symbol) == sys_externs_.end())
      sys_externs_.push_back(symbol);
    return symbol;
  }

  void UseLibrary(const std::string& library) {
    if (std::find(used_libraries_.begin(), used_libraries_.end(), library) == used_libraries_.end())
      used_libraries_.push_back(library);
  }

  std::string StringLabel(const std::string& utf8) {
    UString text = DecodeUtf8(utf8);
    auto found = string_labels_.find(text);
    if (found != string_labels_.end()) return found->second;
    std::string label = "_S" + std::to_string(string_labels_.size() + 1);
    string_labels_.emplace(text, label);
    strings_.emplace_back(label, text);
    return label;
  }

  std::string Variable(std::string name, bool is_string) {
    if (!name.empty() && name[0] == '*') name = "p_" + name.substr(1);
    if (is_string && (name.empty() || name.back() != '$')) name += "$";
    std::string key = AsciiLower(name);
    auto found = variable_names_.find(key);
    if (found != variable_names_.end()) return found->second;
    std::string label = "v_" + name;
    variable_names_.emplace(key, label);
    variables_.push_back(label);
    return label;
  }

  // ---- code --------------------------------------------------------------

  Code CompileProcedure(const ProcedureModel& p) {
    Code code;
    code.push_back("; " + p.header);
    std::string label = "_Procedure" + std::to_string(p.index * 2);
    code.push_back(label + ":");
    if (p.exported && ExportSymbol(p) != label) code.push_back(ExportSymbol(p) + ":");
    code.push_back(Pad(target_.x64 ? "SUB" : "PUSH", target_.x64 ? "rsp,40" : "ebx"));
    for (size_t i = 0; i < p.parameters.size(); ++i) {
      std::string var = Variable(p.parameters[i], false);
      if (target_.x64) {
        code.push_back(Pad("MOV", "qword [" + var + "]," + (i < 4 ? kRegisters64[i] : "rax")));
      } else {
        code.push_back(Pad("MOV", "eax,dword [esp+" + std::to_string(8 + 4 * i) + "]"));
        code.push_back(Pad("MOV", "dword [" + var + "],eax"));
      }
    }
    for (const std::string& line : p.lines) CompileLine(line, code, &p);
    code.push_back("; EndProcedure");
    code.push_back("_EndProcedureZero" + std::to_string(p.index * 2 + 1) + ":");
    code.push_back(Pad("XOR", Ax() + "," + Ax()));
    code.push_back("_EndProcedure" + std::to_string(p.index * 2 + 1) + ":");
    if (target_.x64) {
      code.push_back(Pad("ADD", "rsp,40"));
      code.push_back(Pad("RET", ""));
    } else {
      code.push_back(Pad("POP", "ebx"));
      size_t bytes = p.c_calling ? 0 : p.parameters.size() * 4;
      code.push_back(bytes ? Pad("RET", std::to_string(bytes)) : Pad("RET", ""));
    }
    return code;
  }

  // x64 exports the procedure's own label, as the real compiler does (so a
  // name such as "Label" or "Data" never meets the assembler's reserved words).
  std::string ExportSymbol(const ProcedureModel& p) const {
    if (target_.x64) return "_Procedure" + std::to_string(p.index * 2);
    if (p.c_calling) return Sym(p.name);
    return "_" + p.name + "@" + std::to_string(p.parameters.size() * 4);
  }

  void CompileLine(const std::string& line, Code& code, const ProcedureModel* procedure) {
    code.push_back("; " + TrimLeftSpaces(line));
    for (const std::string& statement : SplitTopLevel(line, ':')) {
      CompileStatement(TrimSpaces(statement), code, procedure);
    }
  }

  void CompileStatement(std::string statement, Code& code, const ProcedureModel* procedure) {
    std::string first = FirstWordLower(statement);
    if (first.empty() && statement.empty()) return;
    if (kSilentKeywords.count(first)) return;
    std::string rest = TrimSpaces(statement.substr(std::min(statement.size(), first.size())));
    if (kConditionKeywords.count(first)) {
      Evaluate(rest, code);
      code.push_back(Pad("AND", Ax() + "," + Ax()));
      return;
    }
    if (first == "end" && (rest.empty() || rest[0] == '#' || std::isdigit(static_cast<unsigned char>(rest[0])))) {
      if (!rest.empty()) Evaluate(rest, code);
      else code.push_back(Pad("XOR", Ax() + "," + Ax()));
      code.push_back(Pad("MOV", std::string("[") + Sym("PB_ExitCode") + "]," + Ax()));
      code.push_back("  JMP   _PB_EOP");
      return;
    }
    if (first == "procedurereturn") {
      if (!rest.empty()) Evaluate(rest, code);
      if (procedure) code.push_back("  JMP   _EndProcedure" + std::to_string(procedure->index * 2 + 1));
      return;
    }
    if (first == "for") {
      size_t to = AsciiLower(rest).find(" to ");
      CompileStatement(rest.substr(0, to), code, procedure);
      return;
    }
    if (first == "runtime") {
      UseLibrary("Runtime");
      code.push_back(Pad("CALL", UsePbFunction("Runtime_AddInteger", 2)));
      return;
    }
    if (kDeclarationKeywords.count(first)) {
      for (const std::string& part : SplitTopLevel(rest, ',')) {
        std::string trimmed = TrimSpaces(part);
        if (trimmed.find('=') != std::string::npos || StartsWithNoCase(trimmed, "newlist") ||
            StartsWithNoCase(trimmed, "newmap") || StartsWithNoCase(trimmed, "dim")) {
          CompileStatement(trimmed, code, procedure);
        }
      }
      return;
    }
    if (first == "newlist" || first == "newmap") {
      bool list = first == "newlist";
      UseLibrary(list ? "LinkedList" : "Map");
      code.push_back(Pad("CALL", UsePbFunction(list ? "NewList" : "NewMap", 4)));
      return;
    }
    if (first == "dim" || first == "redim") {
      UseLibrary("Array");
      code.push_back(Pad("CALL", UseSys("SYS_AllocateArray", 8)));
      return;
    }
    if (CompileAssignment(statement, code)) return;
    Evaluate(statement, code);
  }

  // "Name = expression" and its string, pointer and typed forms.
  bool CompileAssignment(const std::string& statement, Code& code) {
    size_t i = 0;
    if (i < statement.size() && statement[i] == '*') ++i;
    if (i >= statement.size() || !IsIdentStart(statement[i])) return false;
    size_t e = i;
    while (e < statement.size() && IsIdentChar(statement[e])) ++e;
    std::string name = statement.substr(0, e);
    bool is_string = false;
    if (e < statement.size() && statement[e] == '$') {
      is_string = true;
      ++e;
    }
    if (e < statement.size() && statement[e] == '.') {
      size_t t = e + 1;
      while (t < statement.size() && IsIdentChar(statement[t])) ++t;
      if (EqualsNoCase(statement.substr(e + 1, t - e - 1), "s")) is_string = true;
      e = t;
    }
    while (e < statement.size() && statement[e] == '\\') {
      ++e;
      while (e < statement.size() && (IsIdentChar(statement[e]) || statement[e] == '$')) ++e;
    }
    size_t eq = statement.find_first_not_of(" \t", e);
    if (eq == std::string::npos || statement[eq] != '=') return false;
    Evaluate(statement.substr(eq + 1), code);
    std::string var = Variable(name, is_string);
    if (is_string) {
      if (target_.x64) {
        code.push_back(Pad("LEA", "rcx,[" + var + "]"));
      } else {
        code.push_back(Pad("LEA", "eax,[" + var + "]"));
        code.push_back(Pad("PUSH", "eax"));
      }
      code.push_back(Pad("CALL", UseSys("SYS_AllocateString4", 8)));
    } else {
      code.push_back(Pad("MOV", Word() + " [" + var + "]," + Ax()));
    }
    return true;
  }

  void LoadString(const std::string& label_or_memory, Code& code) {
    if (target_.x64) {
      code.push_back(Pad("MOV", "rdx," + label_or_memory));
    } else {
      bool memory = label_or_memory.rfind("dword [", 0) == 0;
      code.push_back(Pad("PUSH", memory ? label_or_memory : "dword " + label_or_memory));
    }
    code.push_back(Pad("CALL", UseSys("SYS_CopyString", 0)));
  }

  void Evaluate(std::string_view expression, Code& code) {
    size_t i = 0;
    while (i < expression.size()) {
      char c = expression[i];
      if (c == '"' || (c == '~' && i + 1 < expression.size() && expression[i + 1] == '"')) {
        size_t open = c == '~' ? i + 1 : i;
        size_t close = expression.find('"', open + 1);
        if (c == '~') {
          close = open + 1;
          while (close < expression.size() && expression[close] != '"') close += expression[close] == '\\' ? 2 : 1;
        }
        if (close >= expression.size()) close = expression.size();
        std::string literal(expression.substr(open + 1, close - open - 1));
        LoadString(StringLabel(c == '~' ? Unescape(literal) : literal), code);
        i = close + 1;
        continue;
      }
      if (c == '#' || c == '.' || c == '\\' || c == '?') {  // constants, types, fields, labels
        ++i;
        while (i < expression.size() && (IsIdentChar(expression[i]) || expression[i] == '$')) ++i;
        continue;
      }
      if (std::isdigit(static_cast<unsigned char>(c))) {
        size_t e = i;
        while (e < expression.size() && std::isdigit(static_cast<unsigned char>(expression[e]))) ++e;
        code.push_back(Pad("MOV", Ax() + "," + Immediate(expression.substr(i, e - i))));
        i = e;
        continue;
      }
      bool address = c == '@';
      bool pointer = c == '*' && i + 1 < expression.size() && IsIdentStart(expression[i + 1]) &&
                     (i == 0 || !IsIdentChar(expression[i - 1]));
      if (address || pointer) ++i;
      if (i >= expression.size() || !IsIdentStart(expression[i])) {
        if (!address && !pointer) ++i;
        continue;
      }
      size_t e = i;
      while (e < expression.size() && IsIdentChar(expression[e])) ++e;
      std::string name(expression.substr(i, e - i));
      bool is_string = e < expression.size() && expression[e] == '$';
      if (is_string) ++e;
      size_t open = expression.find_first_not_of(" \t", e);
      if (open != std::string_view::npos && expression[open] == '(' && !pointer) {
        size_t close = ClosingParenthesis(expression, open);
        std::string_view inside = expression.substr(open + 1, close - open - 1);
        if (address) {
          auto found = procedure_index_.find(AsciiLower(name));
          if (found != procedure_index_.end())
            code.push_back(Pad("LEA", Ax() + ",[_Procedure" + std::to_string(found->second->index * 2) + "]"));
        } else {
          CompileCall(name + (is_string ? "$" : ""), inside, code);
        }
        i = close + 1;
        continue;
      }
      if (!kOperatorWords.count(AsciiLower(name)) && !address) {
        std::string var = Variable((pointer ? "*" : "") + name, is_string);
        if (is_string) LoadString(Word() + " [" + var + "]", code);
        else code.push_back(Pad("MOV", Ax() + "," + Word() + " [" + var + "]"));
      }
      i = e;
    }
  }

  // A decimal literal as an immediate the register can hold: a quad literal
  // in 32-bit code keeps its low half, where the real compiler uses two registers.
  std::string Immediate(std::string_view digits) const {
    uint64_t value = 0;
    for (char d : digits) value = value * 10 + static_cast<uint64_t>(d - '0');
    if (!target_.x64) value &= 0xFFFFFFFFull;
    return std::to_string(value);
  }

  static std::string Unescape(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] != '\\' || i + 1 >= text.size()) {
        out += text[i];
        continue;
      }
      char n = text[++i];
      out += n == 'n' ? '\n' : n == 'r' ? '\r' : n == 't' ? '\t' : n;
    }
    return out;
  }

  void CompileCall(std::string name, std::string_view inside, Code& code) {
    std::vector<std::string> args;
    if (!TrimSpaces(inside).empty()) args = SplitTopLevel(inside, ',');
    // Like the real compiler, a call first saves the string workspace position.
    code.push_back(Pad("PUSH", Word() + " [" + Sym("PB_StringBasePosition") + "]"));
    for (const std::string& arg : args) {
      Evaluate(arg, code);
      code.push_back(Pad("PUSH", Ax()));
    }
    if (target_.x64) {
      for (size_t r = std::min<size_t>(args.size(), 4); r-- > 0;) code.push_back(Pad("POP", kRegisters64[r]));
    }
    std::string bare = name.back() == '$' ? name.substr(0, name.size() - 1) : name;
    std::string lower = AsciiLower(bare);
    auto procedure = procedure_index_.find(lower);
    if (procedure != procedure_index_.end()) {
      code.push_back(Pad("CALL", "_Procedure" + std::to_string(procedure->second->index * 2)));
      return;
    }
    auto imported = imported_.find(lower);
    if (imported != imported_.end()) {
      const auto& [block, function] = imported->second;
      std::string symbol = UseSystemFunction(function->name, function->parameter_count, block->c_calling);
      code.push_back(Pad("CALL", symbol));
      if (!target_.x64 && block->c_calling && !args.empty())
        code.push_back(Pad("ADD", "esp," + std::to_string(args.size() * 4)));
      return;
    }
    if (bare.size() > 1 && bare.back() == '_') {  // Windows API
      std::string symbol = UseSystemFunction(bare.substr(0, bare.size() - 1), args.size(), false);
      code.push_back(Pad("CALL", symbol));
      return;
    }
    const LibraryFunction* command = catalog_.FindCommand(bare);
    if (!command) return;  // an array element or something the stand-in does not know
    UseLibrary(command->library);
    std::string variant = catalog_.VariantFor(*command, args.size());
    std::string symbol = UsePbFunction(variant, args.size());
    if (variant == "PrintN") {
      code.push_back(Pad("CALL", Word() + " [" + symbol + "]"));
    } else {
      code.push_back(Pad("CALL", symbol));
    }
    if (kListSortCommands.count(AsciiLower(command->name))) {
      // The sorted elements are linked up again by the SimpleList library's
      // internal entry point, which its function table does not list.
      code.push_back(target_.x64 ? Pad("MOV", "rcx,rax") : Pad("PUSH", "eax"));
      code.push_back(Pad("CALL", UsePbFunction("SimpleList_Sort", 1)));
    }
  }

  // ---- libraries ---------------------------------------------------------

  void CollectLibraries() {
    if (!strings_.empty() || !sys_externs_.empty()) libraries_.push_back("String");
    std::vector<std::string> pending = used_libraries_;
    for (size_t n = 0; n < pending.size(); ++n) {
      const std::string library = pending[n];
      if (std::find(libraries_.begin(), libraries_.end(), library) == libraries_.end())
        libraries_.push_back(library);
      for (const std::string& dependency : catalog_.DependenciesOf(library))
        if (std::find(pending.begin(), pending.end(), dependency) == pending.end())
          pending.push_back(dependency);
    }
    for (const char* base : {"Memory", "Object", "SimpleList"})
      if (std::find(libraries_.begin(), libraries_.end(), base) == libraries_.end())
        libraries_.push_back(base);
    for (const std::string& library : libraries_) {
      for (const LibraryFunction* f : catalog_.FunctionsOf(library)) {
        if (f->kind == FunctionKind::kInit) init_functions_.push_back(UsePbFunction(f->name, 0));
        if (f->kind == FunctionKind::kEnd) end_functions_.push_back(UsePbFunction(f->name, 0));
      }
    }
    if (std::find(sys_externs_.begin(), sys_externs_.end(), UseSys("SYS_InitString", 0)) ==
        sys_externs_.end()) {
      UseSys("SYS_InitString", 0);
    }
    UseSys("SYS_FreeStrings", 0);
  }

  // ---- sections ----------------------------------------------------------

  void AppendHeader(std::string& out) {
    out += "; \n";
    out += std::string("; PureBasic 6.10 LTS (Windows - ") + (target_.x64 ? "x64" : "x86") +
           ") generated code, imitated by Sparlin's stand-in compiler\n";
    out += "; \n; (c) Sparlin stand-in compiler, for development and tests only\n; \n";
    out += "; The header must remain intact for Re-Assembly\n; \n";
    if (target_.dll) out += "; :DLL\n";
    for (const std::string& library : libraries_) out += "; " + library + "\n";
    out += "; :System\n";
    std::vector<std::string> system = {"kernel32.lib"};
    if (Uses("Window") || Uses("Gadget") || Uses("Requester")) system.push_back("user32.lib");
    if (Uses("Image") || Uses("2DDrawing") || Uses("Font")) system.push_back("gdi32.lib");
    if (Uses("Gadget")) system.push_back("comctl32.lib");
    system.push_back("msvcrt.lib");
    for (const std::string& lib : system) out += "; " + lib + "\n";
    out += "; :Import\n";
    for (const ImportBlock& block : program_.imports) out += "; " + ImportLibraryPath(block.library) + "\n";
    out += "; \n";
    out += target_.x64 ? "format MS64 COFF\n" : "format MS COFF\n";
    out += "; \n; \n";
  }

  bool Uses(const std::string& library) const {
    return std::find(libraries_.begin(), libraries_.end(), library) != libraries_.end();
  }

  // Import libraries are named by their full path, so that a DLL beside them
  // can be found again from the assembly alone.
  std::string ImportLibraryPath(const std::string& written) {
    fs::path path = NativePath(written);
    if (path.is_relative()) path = folder_ / path;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
      unresolved_imports_.push_back(written);
      return written;
    }
    return PathText(fs::absolute(path, ec).lexically_normal());
  }

  void AppendDeclarations(std::string& out) {
    std::vector<std::string> names = pb_order_;
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return AsciiLower(a) < AsciiLower(b); });
    for (const std::string& name : names) {
      std::string symbol = UsePbFunction(name, 0);
      out += "extrn " + symbol + "\n";
    }
    UseSystemFunction("ExitProcess", 1, false);
    UseSystemFunction("GetModuleHandleW", 1, false);
    UseSystemFunction("HeapCreate", 3, false);
    UseSystemFunction("HeapDestroy", 1, false);
    UseSystemFunction("memset", 3, true);
    for (const std::string& symbol : system_externs_) out += "extrn " + symbol + "\n";
    for (const std::string& symbol : sys_externs_) out += "extrn " + symbol + "\n";
    out += "; \n";
    out += "extrn " + Sym("PB_StringBasePosition") + "\n";
    for (const char* name : {"_PB_Instance", "PB_ExecutableType", "PB_OpenGLSubsystem", "_PB_MemoryBase",
                             "PB_Instance", "PB_MemoryBase"})
      out += std::string("public ") + name + "\n";
    out += "public " + Sym("PB_EndFunctions") + "\n";
    if (target_.dll) out += "public _DLLEntryPoint@12\n";
    for (const ProcedureModel& p : program_.procedures)
      if (p.exported) out += "public " + ExportSymbol(p) + "\n";
    out += "\nmacro pb_public symbol\n{\n  public  _#symbol\n  public symbol\n_#symbol:\nsymbol:\n}\n\n";
    out += "macro    pb_align value { rb (value-1) - ($-_PB_DataSection + value-1) mod value }\n";
    out += "macro pb_bssalign value { rb (value-1) - ($-_PB_BSSSection  + value-1) mod value }\n\n";
    if (!target_.dll) out += "public PureBasicStart\n";
    out += "; \n";
  }

  void Call(std::string& out, const std::string& symbol) {
    out += Pad("CALL", symbol) + "\n";
  }

  void AppendHeapAndInits(std::string& out) {
    if (target_.x64) {
      out += "  XOR    r8,r8\n  MOV    rdx,4096\n  XOR    rcx,rcx\n";
      Call(out, "HeapCreate");
      out += "  MOV    [PB_MemoryBase],rax\n";
    } else {
      out += "  PUSH   dword 0\n  PUSH   dword 4096\n  PUSH   dword 0\n";
      Call(out, "_HeapCreate@12");
      out += "  MOV    [PB_MemoryBase],eax\n";
    }
    Call(out, UseSys("SYS_InitString", 0));
    for (const std::string& init : init_functions_) Call(out, init);
  }

  void AppendEntry(std::string& out) {
    if (target_.dll) {
      out += "_DLLEntryPoint@12:\n";
      if (target_.x64) {
        out += "  SUB    rsp,40\n  CMP    rdx,1\n  JNE   .SkipProcessAttach\n  MOV    [_PB_Instance],rcx\n";
        out += "  CALL   PB_DllInit\n  JMP   .End\n.SkipProcessAttach:\n  CMP    rdx,0\n  JNE   .End\n";
        out += "  CALL  _PB_EOP\n.End:\n  MOV    rax,1\n  ADD    rsp,40\n  RET\n; \nPB_DllInit:\n  SUB    rsp,40\n";
      } else {
        out += "  CMP    dword [esp+8],1\n  JNE   .SkipProcessAttach\n  MOV    eax,[esp+4]\n";
        out += "  MOV    [_PB_Instance],eax\n  CALL   PB_DllInit\n  JMP   .End\n.SkipProcessAttach:\n";
        out += "  CMP    dword [esp+8],0\n  JNE   .End\n  CALL  _PB_EOP\n.End:\n  MOV    eax,1\n  RET    12\n";
        out += "; \nPB_DllInit:\n";
      }
      AppendHeapAndInits(out);
      return;
    }
    out += "PureBasicStart:\n; \n";
    if (target_.x64) {
      out += "  SUB    rsp,40\n  MOV    r8,I_BSSEnd-I_BSSStart\n  XOR    rdx,rdx\n  MOV    rcx,I_BSSStart\n";
      Call(out, "memset");
      out += "  XOR    rcx,rcx\n";
      Call(out, "GetModuleHandleW");
      out += "  MOV    [PB_Instance],rax\n";
    } else {
      out += "  PUSH   dword I_BSSEnd-I_BSSStart\n  PUSH   dword 0\n  PUSH   dword I_BSSStart\n";
      Call(out, "_memset");
      out += "  ADD    esp,12\n  PUSH   dword 0\n";
      Call(out, "_GetModuleHandleW@4");
      out += "  MOV    [_PB_Instance],eax\n";
    }
    AppendHeapAndInits(out);
  }

  void AppendEnd(std::string& out) {
    std::string end_functions = Sym("PB_EndFunctions");
    if (target_.dll) {
      out += target_.x64 ? "  ADD    rsp,40\n  RET\n" : "  RET\n";
      out += "_PB_EOP:\n";
      if (target_.x64) out += "  SUB    rsp,40\n";
      Call(out, end_functions);
      Call(out, UseSys("SYS_FreeStrings", 0));
      if (target_.x64) {
        out += "  MOV    rcx,[PB_MemoryBase]\n";
        Call(out, "HeapDestroy");
        out += "  ADD    rsp,40\n  RET\n";
      } else {
        out += "  PUSH   dword [PB_MemoryBase]\n";
        Call(out, "_HeapDestroy@4");
        out += "  RET\n";
      }
    } else {
      out += "_PB_EOP_NoValue:\n";
      out += target_.x64 ? "  XOR    rax,rax\n  MOV    [PB_ExitCode],rax\n" : "  XOR    eax,eax\n  MOV    [_PB_ExitCode],eax\n";
      out += "_PB_EOP:\n";
      Call(out, end_functions);
      Call(out, UseSys("SYS_FreeStrings", 0));
      if (target_.x64) {
        out += "  MOV    rcx,[PB_MemoryBase]\n";
        Call(out, "HeapDestroy");
        out += "  MOV    rcx,[PB_ExitCode]\n";
        Call(out, "ExitProcess");
      } else {
        out += "  PUSH   dword [PB_MemoryBase]\n";
        Call(out, "_HeapDestroy@4");
        out += "  PUSH   dword [_PB_ExitCode]\n";
        Call(out, "_ExitProcess@4");
      }
    }
    out += end_functions + ":\n";
    if (target_.x64) out += "  SUB    rsp,40\n";
    for (const std::string& end : end_functions_) Call(out, end);
    out += target_.x64 ? "  ADD    rsp,40\n  RET\n" : "  RET\n";
  }

  void AppendData(std::string& out) {
    out += "section '.data' data readable writeable\n; \n_PB_DataSection:\n";
    out += "PB_OpenGLSubsystem: db 0\n";
    out += "pb_public PB_DEBUGGER_LineNumber\n  dd     -1\n";
    out += "pb_public PB_DEBUGGER_IncludedFiles\n  dd     0\n";
    out += "pb_public PB_DEBUGGER_FileName\n  db     0\n";
    out += "pb_public PB_Compiler_Unicode\n  dd     1\n";
    out += std::string("pb_public PB_Compiler_Thread\n  dd     ") + (target_.thread ? "1" : "0") + "\n";
    out += "pb_public PB_Compiler_Purifier\n  dd     0\n";
    out += "pb_public PB_Compiler_Debugger\n  dd     0\n";
    out += std::string("pb_public PB_Compiler_DPIAware\n  dd     ") + (target_.dpi_aware ? "1" : "0") + "\n";
    out += std::string("PB_ExecutableType: dd ") + (target_.dll ? "2" : target_.console ? "1" : "0") + "\n";
    out += "pb_align 8\npublic _SYS_StaticStringStart\n_SYS_StaticStringStart:\n";
    for (const auto& [label, text] : strings_) out += label + ": dw " + DataWords(text) + "\n";
    out += "pb_public PB_NullString\n  dw     0\npublic _SYS_StaticStringEnd\n_SYS_StaticStringEnd:\n";
    out += "pb_align 8\n; \n";
    std::string reserve = target_.x64 ? " rq 1" : " rd 1";
    out += "section '.bss' readable writeable\n_PB_BSSSection:\npb_bssalign 8\n; \nI_BSSStart:\n";
    out += "_PB_MemoryBase:\nPB_MemoryBase:" + reserve + "\n_PB_Instance:\nPB_Instance:" + reserve + "\n";
    out += target_.x64 ? "PB_ExitCode:" + reserve + "\n" : "_PB_ExitCode:" + reserve + "\n";
    out += "; \npb_bssalign 8\n";
    for (const std::string& var : variables_) out += var + reserve + "\n";
    out += "I_BSSEnd:\nsection '.data' data readable writeable\nSYS_EndDataSection:\n";
  }

  std::string Definitions() const {
    if (!target_.dll) return {};
    std::string def = "EXPORTS\n";
    for (const ProcedureModel& p : program_.procedures) {
      if (!p.exported) continue;
      std::string symbol = ExportSymbol(p);
      // The export names the symbol without the leading underscore of the
      // 32-bit calling convention; the linker wants it, so the definition
      // file is fixed up before the link.
      if (!target_.x64 && !symbol.empty() && symbol[0] == '_') symbol.erase(0, 1);
      def += "  \"" + p.name + "\"=\"" + symbol + "\"\n";
    }
    return def;
  }

  const ProgramModel& program_;
  TargetOptions target_;
  fs::path folder_;
  const LibraryCatalog& catalog_;
  std::map<std::string, const ProcedureModel*> procedure_index_;
  std::map<std::string, std::pair<const ImportBlock*, const ImportedFunction*>> imported_;

  std::map<std::string, size_t> pb_functions_;
  std::vector<std::string> pb_order_;
  std::vector<std::string> system_externs_;
  std::vector<std::string> sys_externs_;
  std::vector<std::string> used_libraries_;
  std::vector<std::string> libraries_;
  std::vector<std::string> init_functions_;
  std::vector<std::string> end_functions_;
  std::map<UString, std::string> string_labels_;
  std::vector<std::pair<std::string, UString>> strings_;
  std::map<std::string, std::string> variable_names_;
  std::vector<std::string> variables_;
  std::vector<std::string> unresolved_imports_;
};

}  // namespace

AssemblyOutput WriteAssembly(const ProgramModel& program, const TargetOptions& target,
                             const fs::path& folder) {
  return Writer(program, target, folder).Run();
}

}  // namespace sparlin::standin
