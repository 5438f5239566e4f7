#include "winapi/shell32.h"

#include <cstring>

#include "os/launcher.h"
#include "os/service.h"

namespace corvane::platform {

std::intptr_t ShellExecuteA(HWND, const char* verb, const char* file, const char*, const char*,
                            int) {
  const bool open = verb == nullptr || std::strcmp(verb, "open") == 0;
  if (!open || file == nullptr || *file == '\0') return kSeErrNoAssoc;
  return Service<Launcher>::Get().Open(file) ? kShellOpened : kErrorFileNotFound;
}

}  // namespace corvane::platform
