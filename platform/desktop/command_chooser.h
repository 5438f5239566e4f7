#pragma once

#include <memory>

#include "os/event_loop.h"
#include "platform/desktop/chooser_backend.h"

namespace corvane::platform {

// The choosers of the command line, unavailable when the program is not installed.
std::unique_ptr<ChooserBackend> MakeZenityChooser(EventLoop& loop);
std::unique_ptr<ChooserBackend> MakeKdialogChooser(EventLoop& loop);

}  // namespace corvane::platform
