#pragma once

#include <functional>
#include <optional>
#include <string>

#include "os/file_chooser.h"

namespace corvane::platform {

struct ChooserOutcome {
  bool available = true;  // False: this way of choosing is not there; the next one is tried.
  std::optional<std::string> path;
};

// One way of showing the desktop's file chooser, without blocking: Start begins it and done runs
// once, on the event loop (or within Start when it cannot begin). Stop ends a chooser still
// open, after which done never runs, and frees what the last one used.
class ChooserBackend {
 public:
  using Done = std::function<void(const ChooserOutcome&)>;
  virtual ~ChooserBackend() = default;
  virtual void Start(const FileChooserRequest& request, Done done) = 0;
  virtual void Stop() = 0;
};

}  // namespace corvane::platform
