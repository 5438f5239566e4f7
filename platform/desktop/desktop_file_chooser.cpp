#include "platform/desktop/desktop_file_chooser.h"

#include "platform/desktop/command_chooser.h"
#include "platform/desktop/portal_chooser.h"

namespace corvane::platform {

DesktopFileChooser::DesktopFileChooser(EventLoop& loop) : loop_(loop) {
  backends_.push_back(MakePortalChooser(loop));
  backends_.push_back(MakeZenityChooser(loop));
  backends_.push_back(MakeKdialogChooser(loop));
}

std::optional<std::string> DesktopFileChooser::ChooseFileToOpen(const FileChooserRequest& request) {
  // A second request while a chooser is open (a handler run by the nested loop) gets no file
  // rather than a second chooser over the first.
  if (open_) return std::nullopt;
  open_ = true;
  std::optional<ChooserOutcome> outcome;
  size_t current = 0;
  std::function<void()> try_current = [&] {
    if (current == backends_.size()) {
      outcome = ChooserOutcome{false, std::nullopt};
      return;
    }
    backends_[current]->Start(request, [&](const ChooserOutcome& result) {
      if (result.available) {
        outcome = result;
        return;
      }
      ++current;
      try_current();
    });
  };
  try_current();
  // Ends early when the program is ending; Stop below then closes the chooser still open.
  loop_.RunUntil([&] { return outcome.has_value(); });
  for (const auto& backend : backends_) backend->Stop();
  open_ = false;
  return outcome ? outcome->path : std::nullopt;
}

}  // namespace corvane::platform
