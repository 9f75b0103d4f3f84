#include "library_file.h"

#include <cstdint>

namespace sparlin::standin {

namespace {

void PutU32(std::string& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

char KindByte(FunctionKind kind) {
  switch (kind) {
    case FunctionKind::kInit: return 0x02;
    case FunctionKind::kEnd: return 0x03;
    case FunctionKind::kHidden: return 0x04;
    default: return 0x01;
  }
}

std::string Description(const LibraryFunction& f) {
  std::string parameters = f.parameters.empty() ? "()" : f.parameters;
  switch (f.kind) {
    case FunctionKind::kInit: return parameters + " - start-up of the " + f.library + " library";
    case FunctionKind::kEnd: return parameters + " - clean-up of the " + f.library + " library";
    case FunctionKind::kHidden: return parameters + " - internal";
    default: return parameters + " - " + f.name + " command";
  }
}

std::string Chunk(const char* id, std::string body) {
  // A length whose first byte splits a text line would leave its second byte
  // alone on a line; zero padding keeps the length clear of that.
  while (true) {
    unsigned char low = static_cast<unsigned char>((body.size() + 4) & 0xFF);
    if (low != 0x00 && low != 0x0A && low != 0x0D) break;
    body += '\0';
  }
  std::string chunk = "ERUP";
  PutU32(chunk, static_cast<uint32_t>(body.size() + 4));
  chunk += id;
  return chunk + body;
}

}  // namespace

std::string LibraryFileBytes(const std::string& library,
                             const std::vector<const LibraryFunction*>& functions) {
  std::string header;
  PutU32(header, 0x0000063Cu);  // format version
  header += std::string("D$") + '\0';
  header += library + "@" + '\0';
  header += std::string("\x01\x03", 2) + '\0';
  header += std::string("\x0C!") + library + '\0';
  for (const LibraryFunction* f : functions) {
    header += f->name + '\0';
    header += KindByte(f->kind);
    header += static_cast<char>(0x01 + (f->parameters.empty() ? 0 : 1 + (f->parameters.size() % 16)));
    header += std::string(2, '\0');
    header += Description(*f) + '\0';
  }
  std::string data;
  uint32_t state = 0x9E3779B9u ^ static_cast<uint32_t>(library.size());
  for (char c : library) state = state * 31 + static_cast<unsigned char>(c);
  size_t size = 512 + 48 * functions.size();
  for (size_t i = 0; i < size; ++i) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    data += static_cast<char>(state & 0xFF);
  }
  return Chunk("4BIL", header) + Chunk("1TAD", data);
}

}  // namespace sparlin::standin
