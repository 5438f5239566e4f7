#include "os/warn.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace corvane::platform {

void Warn(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  char text[1024];
  std::vsnprintf(text, sizeof(text), format, arguments);
  va_end(arguments);
  // One write per line, so lines of two threads never interleave.
  const std::string line = std::string("Corvane: ") + text + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace corvane::platform
