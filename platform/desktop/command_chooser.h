#pragma once

#include <memory>

#include "platform/desktop/chooser_backend.h"
#include "platform/posix/posix_event_loop.h"

namespace corvane::platform {

// The choosers of the command line, unavailable when the program is not installed.
std::unique_ptr<ChooserBackend> MakeZenityChooser(PosixEventLoop& loop);
std::unique_ptr<ChooserBackend> MakeKdialogChooser(PosixEventLoop& loop);

}  // namespace corvane::platform
