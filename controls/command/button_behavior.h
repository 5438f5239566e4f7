#pragma once

#include <optional>

#include "controls/command/face_state.h"
#include "os/input.h"

namespace corvane::controls {

// One repaint of the face: the state picture whose border ring is drawn, and which way the
// gradient under it runs (false: white at the top, the tint at the bottom).
struct FaceDraw {
  StatePicture picture = StatePicture::kNormal;
  bool gradient_reversed = false;
  bool operator==(const FaceDraw&) const = default;
};

// What the control does in answer to one trigger: repaint (at most once), enable or grey the
// caption, raise Click, start the leave-detection timer.
struct Reaction {
  std::optional<FaceDraw> draw;
  std::optional<bool> caption_enabled;
  bool click = false;
  bool start_timer = false;
  bool operator==(const Reaction&) const = default;
};

// The push button's interaction state machine, without windows, timers or drawing. The control
// feeds it the host's mouse, focus, enable and resize notifications and the ticks of its 100 ms
// leave poll, and carries out the reactions it returns.
//
// Every trigger except Initialize, EnabledChanged and Resized is ignored while the button is
// disabled, so a disabled button keeps its state and look whatever the pointer and focus do.
class ButtonBehavior {
 public:
  FaceState state() const { return state_; }
  bool gradient_reversed() const { return gradient_reversed_; }
  bool enabled() const { return enabled_; }

  // Starts the state machine; the button may be disabled. Draws nothing.
  Reaction Initialize();

  // The pointer moved, with `over` telling whether it is over the button or its caption. While the
  // left button is held the pointer is captured and moves arrive from outside too; those never
  // highlight.
  Reaction PointerMoved(bool over);

  // A mouse button went down on the button or its caption. Only the left button counts.
  Reaction Pressed(platform::MouseButton button);

  // A mouse button came up; the button receives the release of any press made on it, so `over`
  // tells whether the pointer is still over it. A release away from the button never clicks.
  Reaction Released(platform::MouseButton button, bool over);

  Reaction FocusArrived();
  Reaction FocusLeft();

  // One tick of the leave poll: `over` is whether the window under the pointer is the button's own.
  // Entering is never detected here, only leaving.
  Reaction Tick(bool over);

  // Both repaint Normal or Disable and enable or grey the caption to match. A resize leaves the
  // state as it is. Enabling a button that was disabled starts it again without the focus and
  // without a held button, which it lost unheard while disabled, and hovered when `pointer_over`
  // (the host's knowledge of where the pointer rests now) says so.
  Reaction EnabledChanged(bool enabled, bool pointer_over = false);
  Reaction Resized();

  // Repaints the face with `picture`. The gradient runs down from white when Idle or Focused and
  // reversed when Hover; in the other states it keeps the direction of the last repaint, so a
  // hover that gains the focus looks different from a focused button the pointer moves onto.
  FaceDraw Draw(StatePicture picture);

 private:
  Reaction Redraw(StatePicture picture);
  Reaction ShowEnabledLook();
  Reaction PointerLeft();

  FaceState state_ = FaceState::kUninitialised;
  bool button_held_ = false;
  bool gradient_reversed_ = false;
  bool enabled_ = false;
};

}  // namespace corvane::controls
