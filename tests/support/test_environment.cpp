// The end-to-end tests find sparlin-cli and the stand-in installation through
// two environment variables; the build's own paths fill them in when the
// caller has not set them.
#include <cstdlib>

namespace {

#ifdef _WIN32
void SetDefault(const char* name, const char* value) {
  if (!std::getenv(name)) _putenv_s(name, value);
}
#else
void SetDefault(const char* name, const char* value) { setenv(name, value, 0); }
#endif

const bool kDefaultsSet = [] {
  SetDefault("SPARLIN_CLI", SPARLIN_CLI_PATH);
  SetDefault("SPARLIN_STANDIN_INSTALL", SPARLIN_STANDIN_INSTALL_DIR);
  return true;
}();

}  // namespace
