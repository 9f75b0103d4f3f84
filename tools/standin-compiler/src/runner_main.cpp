// The stand-in's output program. It finds the description of the program
// appended to its own file, prints the texts the program prints, and behaves
// like the real program would after a build: a program that loads an image
// whose decoder library was dropped from the build dies with an access
// violation; every other program ends with exit code 0.
#include <iostream>

#include "payload.h"
#include "self_path.h"
#include "text_util.h"

int main() {
  using namespace sparlin::standin;
  std::string file;
  std::string text;
  ProgramPayload payload;
  if (!ReadFileBytes(SelfPath(), file) || !ExtractPayloadText(file, text) || !DecodePayload(text, payload)) {
    std::cout << "Sparlin stand-in runner: no program attached to this file.\n";
    return 1;
  }
  for (const std::string& printed : payload.printed) std::cout << printed << "\n";
  std::cout.flush();
  for (const ImageLoad& image : payload.images) {
    if (!image.plugin_linked) {
      // The decoder's code is gone but the program still hands the image to
      // it: the real program crashes here.
      // (A volatile pointer object, so the compiler cannot turn the store
      // into a trap instruction.)
      volatile int* volatile target = nullptr;
      *target = 0;
    }
  }
  return 0;
}
