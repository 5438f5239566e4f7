#include "controls/command/button_behavior.h"

namespace corvane::controls {

Reaction ButtonBehavior::Initialize() {
  state_ = FaceState::kIdle;
  Reaction reaction;
  reaction.start_timer = true;
  return reaction;
}

Reaction ButtonBehavior::PointerMoved(bool over) {
  if (!enabled_ || !over) return {};
  if (state_ == FaceState::kIdle) {
    state_ = FaceState::kHover;
    return Redraw(StatePicture::kHighLight);
  }
  // A held left button keeps a focused button that the poll took out of hover from lighting up
  // again: the release then ends the drag without a click.
  if (state_ == FaceState::kFocused && !button_held_) {
    state_ = FaceState::kFocusedHover;
    return Redraw(StatePicture::kHighLightSelect);
  }
  return {};
}

Reaction ButtonBehavior::Pressed(platform::MouseButton button) {
  if (!enabled_ || button != platform::kLeftButton) return {};
  button_held_ = true;
  return Redraw(StatePicture::kPressed);
}

Reaction ButtonBehavior::Released(platform::MouseButton button, bool over) {
  if (!enabled_) return {};
  Reaction reaction;
  if (button == platform::kLeftButton) {
    button_held_ = false;
    // A release over a hovered button that has no focus shows Normal although the pointer is
    // still over it; the highlight comes back only when the pointer leaves and returns.
    if (state_ == FaceState::kHover) {
      reaction = Redraw(StatePicture::kNormal);
    } else if (state_ == FaceState::kFocusedHover) {
      reaction = Redraw(StatePicture::kHighLightSelect);
    }
  }
  reaction.click = over && state_ != FaceState::kFocused;
  return reaction;
}

Reaction ButtonBehavior::FocusArrived() {
  if (!enabled_) return {};
  // Focus arriving under the pointer shows the pressed look: a click on a hovered button moves
  // the focus before the press is seen.
  if (state_ == FaceState::kHover) {
    state_ = FaceState::kFocusedHover;
    return Redraw(StatePicture::kPressed);
  }
  state_ = FaceState::kFocused;
  return Redraw(StatePicture::kSelected);
}

Reaction ButtonBehavior::FocusLeft() {
  if (!enabled_ || state_ == FaceState::kIdle) return {};
  state_ = FaceState::kIdle;
  return Redraw(StatePicture::kNormal);
}

Reaction ButtonBehavior::Tick(bool over) {
  if (over) return {};
  return PointerLeft();
}

Reaction ButtonBehavior::PointerLeft() {
  if (!enabled_) return {};
  if (state_ == FaceState::kHover) {
    state_ = FaceState::kIdle;
    return Redraw(StatePicture::kNormal);
  }
  if (state_ == FaceState::kFocusedHover) {
    state_ = FaceState::kFocused;
    return Redraw(StatePicture::kSelected);
  }
  return {};
}

Reaction ButtonBehavior::EnabledChanged(bool enabled, bool pointer_over) {
  if (enabled && !enabled_ && state_ != FaceState::kUninitialised) {
    // A disabled button hears nothing, yet the world goes on meanwhile: its host takes the focus
    // from it, the release of a held button goes elsewhere, and the pointer may come to rest over
    // it. A state kept from before would answer the next press wrongly: with a stale Focused, the
    // focus that the press brings finds no hover, and the release raises no Click. So the button
    // starts again without the focus or a held button, hovered when the pointer is over it now.
    // A hover whose pointer has gone meanwhile stays, for the leave poll to end like any other.
    const bool hover =
        pointer_over || state_ == FaceState::kHover || state_ == FaceState::kFocusedHover;
    state_ = hover ? FaceState::kHover : FaceState::kIdle;
    button_held_ = false;
  }
  enabled_ = enabled;
  return ShowEnabledLook();
}

Reaction ButtonBehavior::Resized() { return ShowEnabledLook(); }

Reaction ButtonBehavior::ShowEnabledLook() {
  Reaction reaction = Redraw(enabled_ ? StatePicture::kNormal : StatePicture::kDisable);
  reaction.caption_enabled = enabled_;
  return reaction;
}

FaceDraw ButtonBehavior::Draw(StatePicture picture) {
  if (state_ == FaceState::kIdle || state_ == FaceState::kFocused) {
    gradient_reversed_ = false;
  } else if (state_ == FaceState::kHover) {
    gradient_reversed_ = true;
  }
  return FaceDraw{picture, gradient_reversed_};
}

Reaction ButtonBehavior::Redraw(StatePicture picture) {
  Reaction reaction;
  reaction.draw = Draw(picture);
  return reaction;
}

}  // namespace corvane::controls
