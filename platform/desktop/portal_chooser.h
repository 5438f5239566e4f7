#pragma once

#include <memory>

#include "os/event_loop.h"
#include "platform/desktop/chooser_backend.h"

namespace corvane::platform {

// The desktop portal's FileChooser on the session bus; unavailable without a session bus or a
// portal that answers the call.
std::unique_ptr<ChooserBackend> MakePortalChooser(EventLoop& loop);

}  // namespace corvane::platform
