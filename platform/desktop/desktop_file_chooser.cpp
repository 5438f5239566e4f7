#include "platform/desktop/desktop_file_chooser.h"

#include <iterator>
#include <string>

#include "os/warn.h"
#include "platform/desktop/command_chooser.h"
#include "platform/desktop/portal_chooser.h"

namespace corvane::platform {

namespace {

// The ways of choosing, in the order they are tried, by the names the user knows them by.
struct Backend {
  const char* name;
  std::unique_ptr<ChooserBackend> (*make)(PosixEventLoop& loop);
};
constexpr Backend kBackends[] = {
    {"the desktop portal", MakePortalChooser},
    {"zenity", MakeZenityChooser},
    {"kdialog", MakeKdialogChooser},
};

// "a, b and c".
std::string BackendNames() {
  std::string names;
  for (std::size_t i = 0; i < std::size(kBackends); ++i) {
    if (i > 0) names += i + 1 == std::size(kBackends) ? " and " : ", ";
    names += kBackends[i].name;
  }
  return names;
}

}  // namespace

DesktopFileChooser::DesktopFileChooser(PosixEventLoop& loop) : loop_(loop) {
  for (const Backend& backend : kBackends) backends_.push_back(backend.make(loop));
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
      // The dialogs show no message of their own, so without any chooser the button seems dead.
      // Standard error, which a terminal or the session's log keeps, says why, once per run.
      if (!told_none_) Warn("no file chooser is there: tried %s", BackendNames().c_str());
      told_none_ = true;
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
