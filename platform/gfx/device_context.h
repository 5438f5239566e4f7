#pragma once

#include <cstdint>

#include "platform/gfx/surface.h"

namespace corvane::gfx {

// A device context handle: a 32-bit number that names a drawing target, as the program and the
// effect library pass it around. 0 names nothing.
using HDC = std::uint32_t;

// The process-wide table behind device context handles. A handle names a surface owned by
// someone else (a picture box's persistent image, a control's backing image) and stays valid
// until its owner releases it; a handle is never reused while the program runs, so a stale one
// looks up as nothing instead of naming another surface. Used on the user-interface thread only.
class DeviceContexts {
 public:
  static HDC Register(Surface* surface);
  static void Release(HDC hdc);
  // The surface behind a handle, or nullptr for 0, a released or an unknown handle.
  static Surface* Lookup(HDC hdc);
};

}  // namespace corvane::gfx
