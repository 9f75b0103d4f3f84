// What the stand-in's output program carries: a short description of the
// program (its runtime libraries, the texts it prints, the image files it
// loads and whether their decoder is still linked) appended to a copy of the
// runner, followed by filler that stands for the linked library code.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sparlin::standin {

struct ImageLoad {
  std::string file;
  std::string plugin;  // the decoder library the format needs; empty for none
  bool plugin_linked = true;
};

struct ProgramPayload {
  std::vector<std::string> libraries;
  std::vector<std::string> printed;
  std::vector<ImageLoad> images;
};

std::string EncodePayload(const ProgramPayload& payload);
bool DecodePayload(std::string_view text, ProgramPayload& payload);

// The output file: runner bytes, the payload text, filler, then a trailer
// that locates the payload text from the end of the file.
std::string BuildOutputFile(std::string_view runner, std::string_view payload_text,
                            std::string_view filler);
bool ExtractPayloadText(std::string_view file, std::string& payload_text);

}  // namespace sparlin::standin
