#pragma once

#include <memory>
#include <vector>

#include "os/file_chooser.h"
#include "platform/desktop/chooser_backend.h"
#include "platform/posix/posix_event_loop.h"

namespace corvane::platform {

// The desktop's file chooser: the portal, else zenity, else kdialog, the first that is there.
// While it is open a nested loop serves the program's windows and timers, and the call returns
// once the user has chosen. A chooser that is there but fails or is cancelled gives no file; the
// next one is not tried then, so the user never sees a second chooser after the first. When none
// is there, standard error says so, once.
class DesktopFileChooser final : public FileChooser {
 public:
  explicit DesktopFileChooser(PosixEventLoop& loop);
  std::optional<std::string> ChooseFileToOpen(const FileChooserRequest& request) override;

 private:
  PosixEventLoop& loop_;
  std::vector<std::unique_ptr<ChooserBackend>> backends_;
  bool open_ = false;
  bool told_none_ = false;
};

}  // namespace corvane::platform
