#pragma once

#include <memory>

namespace corvane {

// The real platform services, installed for as long as this object lives: the runtime, profile
// files, libraries, windows and the event loop, fonts, the message box, the media service, the
// file chooser and the launcher.
class PlatformServices {
 public:
  // Installs every service of the platform the program was built for. nullptr, after a message on
  // stderr, when the platform cannot start (no X server to talk to, for example).
  static std::unique_ptr<PlatformServices> Install(int argc, char** argv);

  virtual ~PlatformServices() = default;

  // Runs the event loop until the program is ended, and returns its exit status.
  virtual int RunEventLoop() = 0;
};

}  // namespace corvane
