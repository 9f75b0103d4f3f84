// A compiler that prints many lines, for the tests of a long log: as many as
// the environment variable SPARLIN_TEST_LINES says (20 000 without it), each
// numbered, then creates "compiler-done.txt" in its working folder and ends
// with exit code 1, as a compiler that reports many errors does.
#include <cstdio>
#include <cstdlib>

int main() {
  const char* count_text = std::getenv("SPARLIN_TEST_LINES");
  long count = count_text ? std::atol(count_text) : 20000;
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  for (long i = 1; i <= count; ++i) {
    std::printf("Line %ld of %ld: a message of the compiler, about as long as its usual ones\n", i, count);
  }
  std::fflush(stdout);
  if (FILE* done = std::fopen("compiler-done.txt", "w")) std::fclose(done);
  return 1;
}
