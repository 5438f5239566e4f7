#pragma once

#include <cstdint>

namespace corvane::controls {

// Where the button's interaction stands: pointer over it, focus, both, or neither. A new button is
// Uninitialised until the host calls Initialize.
enum class FaceState : std::uint8_t {
  kUninitialised = 0,
  kIdle = 1,
  kHover = 2,
  kFocused = 3,
  kFocusedHover = 4,
};

// The six state pictures a face is drawn from.
enum class StatePicture {
  kNormal,
  kHighLight,
  kHighLightSelect,
  kSelected,
  kPressed,
  kDisable,
};

inline constexpr int kStatePictureCount = 6;

}  // namespace corvane::controls
