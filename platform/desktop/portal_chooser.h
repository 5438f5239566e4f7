#pragma once

#include <memory>

#include "platform/desktop/chooser_backend.h"
#include "platform/posix/posix_event_loop.h"

namespace corvane::platform {

// The desktop portal's FileChooser on the session bus; unavailable without a session bus or a
// portal that answers the call.
std::unique_ptr<ChooserBackend> MakePortalChooser(PosixEventLoop& loop);

}  // namespace corvane::platform
