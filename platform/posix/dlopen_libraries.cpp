#include "platform/posix/dlopen_libraries.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <cstdio>

#include "os/warn.h"

namespace corvane::platform {

HMODULE DlopenLibraries::LoadLibraryA(const std::string& path) {
  // The loader opens the file with a plain blocking open: a FIFO under the library's name would
  // stall it until some writer came, so a path that names anything but a regular file is refused
  // first. A bare name is left to the loader's search.
  struct stat info {};
  if (path.find('/') != std::string::npos &&
      (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))) {
    Warn("cannot load %s: not a regular file", path.c_str());
    return nullptr;
  }
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* reason = dlerror();
    Warn("cannot load %s: %s", path.c_str(), reason != nullptr ? reason : "unknown error");
  }
  return static_cast<HMODULE>(handle);
}

FARPROC DlopenLibraries::GetProcAddress(HMODULE module, const std::string& name) {
  // A null handle would make dlsym search the whole program, which is not what a null module means.
  if (module == nullptr) return nullptr;
  return reinterpret_cast<FARPROC>(dlsym(module, name.c_str()));
}

bool DlopenLibraries::FreeLibrary(HMODULE module) {
  if (module == nullptr) return false;
  return dlclose(module) == 0;
}

}  // namespace corvane::platform
