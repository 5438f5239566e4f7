#pragma once

#include "gfx/pen.h"
#include "gfx/surface.h"
#include "winapi/windef.h"

namespace corvane::gfx {

// The process-wide table behind device context handles, the one place that knows what a handle
// holds: the surface it draws on (a picture box's persistent image, a control's backing image;
// owned by someone else) or the screen, and the pen and brush selected into it. A handle stays
// valid until it is released, which forgets everything it held; a handle is never reused while
// the program runs, so a stale one looks up as nothing instead of naming another target. Used on
// the user-interface thread only.
class DeviceContexts {
 public:
  // A context drawing on surface; 0 for a null surface.
  static HDC Register(Surface* surface);
  // A context for the whole screen, a copy source only: it has no surface.
  static HDC RegisterScreen();
  static void Release(HDC hdc);

  // The surface behind a handle, or nullptr for 0, a screen, a released or an unknown handle.
  static Surface* Lookup(HDC hdc);
  // Makes a live context draw on surface from now on, as selecting another bitmap into it does,
  // and returns the surface it drew on before. Does nothing and returns nullptr for a screen, a
  // null surface, or a released or unknown handle.
  static Surface* Select(HDC hdc, Surface* surface);
  static bool IsScreen(HDC hdc);

  // The outline pen and interior brush of a live context; a context starts with a solid black
  // pen and a solid white brush. Selecting into a dead handle does nothing.
  static void SelectPen(HDC hdc, Pen pen);
  static void SelectBrush(HDC hdc, Brush brush);
  static Pen PenOf(HDC hdc);
  static Brush BrushOf(HDC hdc);

  // How many handles are live, so tests can see that releasing forgets everything.
  static std::size_t LiveCount();
};

}  // namespace corvane::gfx
