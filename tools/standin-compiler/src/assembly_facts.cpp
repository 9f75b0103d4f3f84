#include "assembly_facts.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "library_catalog.h"
#include "text/ustring.h"
#include "text_util.h"

namespace sparlin::standin {

namespace {

// "label: dw 72,105,0" -> the text; false for other lines.
bool DecodeDataWords(const std::string& line, std::string& label, std::string& text) {
  size_t marker = line.find(": dw ");
  if (marker == std::string::npos) return false;
  label = line.substr(0, marker);
  UString units;
  std::string values = TrimSpaces(line.substr(marker + 5));
  size_t start = 0;
  while (start <= values.size()) {
    size_t comma = values.find(',', start);
    if (comma == std::string::npos) break;  // the last value is the terminator
    std::string value = TrimSpaces(values.substr(start, comma - start));
    long number = value.size() > 1 && value[0] == '$' ? std::strtol(value.c_str() + 1, nullptr, 16)
                                                      : std::strtol(value.c_str(), nullptr, 10);
    units.push_back(static_cast<char16_t>(number & 0xFFFF));
    start = comma + 1;
  }
  text = EncodeUtf8(units);
  return true;
}

// Every "_S<digits>" label that the instruction refers to, in order.
std::vector<std::string> StringLabels(const std::string& instruction) {
  std::vector<std::string> labels;
  for (size_t i = 0; i + 2 < instruction.size(); ++i) {
    if (instruction.compare(i, 2, "_S") != 0) continue;
    if (i > 0 && IsIdentChar(instruction[i - 1])) continue;
    size_t e = i + 2;
    while (e < instruction.size() && std::isdigit(static_cast<unsigned char>(instruction[e]))) ++e;
    if (e == i + 2 || (e < instruction.size() && IsIdentChar(instruction[e]))) continue;
    labels.push_back(instruction.substr(i, e - i));
    i = e - 1;
  }
  return labels;
}

// The string variable "v_Name$" inside "[...]" of the instruction, if any.
std::string StringVariable(const std::string& instruction) {
  size_t open = instruction.find("[v_");
  if (open == std::string::npos) return {};
  size_t close = instruction.find(']', open);
  if (close == std::string::npos) return {};
  std::string name = instruction.substr(open + 1, close - open - 1);
  return !name.empty() && name.back() == '$' ? name : std::string();
}

std::string Join(const std::vector<std::string>& pieces) {
  std::string out;
  for (const std::string& piece : pieces) out += piece;
  return out;
}

}  // namespace

std::string PluginForImageFile(const std::string& file) {
  size_t dot = file.rfind('.');
  if (dot == std::string::npos) return {};
  std::string ext = AsciiLower(file.substr(dot + 1));
  if (ext == "png") return "ImagePluginPNG";
  if (ext == "jpg" || ext == "jpeg") return "ImagePluginJPEG";
  if (ext == "jp2") return "ImagePluginJPEG2000";
  if (ext == "gif") return "ImagePluginGIF";
  if (ext == "tga") return "ImagePluginTGA";
  if (ext == "tif" || ext == "tiff") return "ImagePluginTIFF";
  if (ext == "bmp") return "ImagePluginBMP";
  return {};
}

AssemblyFacts ReadAssemblyFacts(const std::string& assembly) {
  AssemblyFacts facts;
  std::vector<std::string> lines = SplitTextLines(assembly);
  std::vector<std::string> known = LibraryCatalog::Instance().LibraryNames();
  bool header = true;
  for (const std::string& line : lines) {
    if (StartsWithNoCase(line, "format")) header = false;
    if (header && line.size() > 2 && line.compare(0, 2, "; ") == 0) {
      std::string word = TrimSpaces(line.substr(2));
      if (std::find(known.begin(), known.end(), word) != known.end()) facts.payload.libraries.push_back(word);
    }
    std::string label, text;
    if (DecodeDataWords(TrimSpaces(line), label, text)) facts.strings[label] = text;
    if (TrimSpaces(line).compare(0, 14, "_DLLEntryPoint") == 0) facts.is_dll = true;
  }

  // Follow the strings through the code as a small stack machine: string
  // pieces build the current value; "PUSH rax" hands it over as an argument;
  // a call takes the arguments pushed since the string workspace was saved
  // for it; string variables remember what was stored in them.
  std::map<std::string, std::string> variables;
  struct Frame {
    std::string saved;               // the value being built when the call began
    std::vector<std::string> args;   // argument values, in push order
  };
  std::vector<Frame> frames(1);
  std::string current;
  std::string stored_variable;
  bool in_procedures = false;  // printed texts are taken from the main code only
  for (const std::string& line : lines) {
    std::string instruction = TrimSpaces(line);
    if (instruction == "PB_EndFunctions:" || instruction == "_PB_EndFunctions:") in_procedures = true;
    if (instruction.empty() || instruction[0] == ';' || instruction.find(": dw ") != std::string::npos)
      continue;
    std::string mnemonic = AsciiLower(instruction.substr(0, instruction.find(' ')));
    std::string operands = TrimSpaces(instruction.substr(mnemonic.size()));
    if (mnemonic == "push" && instruction.find("StringBasePosition") != std::string::npos) {
      frames.push_back({current, {}});
      current.clear();
    } else if (mnemonic == "push" && (operands == "rax" || operands == "eax")) {
      frames.back().args.push_back(current);
      current.clear();
    } else if (mnemonic == "mov" || mnemonic == "push") {
      for (const std::string& label : StringLabels(instruction)) current += facts.strings[label];
      std::string variable = StringVariable(instruction);
      if (!variable.empty()) current += variables[variable];
    } else if (mnemonic == "lea") {
      std::string variable = StringVariable(instruction);
      if (!variable.empty()) stored_variable = variable;
    } else if (mnemonic == "call") {
      if (instruction.find("SYS_AllocateString") != std::string::npos) {
        if (!stored_variable.empty()) variables[stored_variable] = current;
        current.clear();
        continue;
      }
      // String helpers and the internal list helper take no part in a command's arguments.
      if (instruction.find("SYS_") != std::string::npos || instruction.find("PB_SimpleList_") != std::string::npos)
        continue;
      Frame frame = std::move(frames.back());
      if (frames.size() > 1) frames.pop_back();
      else frames.back() = Frame();
      current = frame.saved;
      const std::vector<std::string>& args = frame.args;
      if (instruction.find("PB_LoadImage") != std::string::npos ||
          instruction.find("PB_CatchImage") != std::string::npos) {
        std::string file = args.size() > 1 ? args[1] : Join(args);
        std::string plugin = PluginForImageFile(file);
        const auto& libraries = facts.payload.libraries;
        bool linked = plugin.empty() ||
                      std::find(libraries.begin(), libraries.end(), plugin) != libraries.end();
        facts.payload.images.push_back({file, plugin, linked});
      } else if (!in_procedures && instruction.find("PB_Print") != std::string::npos) {
        facts.payload.printed.push_back(Join(args));
      }
    }
  }
  return facts;
}

}  // namespace sparlin::standin
