#include "platform/desktop/xdg_launcher.h"

#include <string>

#include "platform/posix/spawn.h"

namespace corvane::platform {

bool XdgLauncher::Open(std::string_view target) {
  const auto child = Spawn({"xdg-open", std::string(target)}, false);
  if (!child) return false;
  loop_.WatchChild(child->pid, [](int) {});
  return true;
}

}  // namespace corvane::platform
