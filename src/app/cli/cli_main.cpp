#include <cstdio>

int main() {
  std::fputs("sparlin-cli: not yet wired\n", stderr);
  return 1;
}
