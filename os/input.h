#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace corvane::platform {

// Shift state bits as key and mouse handlers receive them.
enum ShiftState : int {
  kShiftMask = 1,
  kCtrlMask = 2,
  kAltMask = 4,
};

// Mouse buttons as handlers receive them; one bit each so a held set can be combined.
enum MouseButton : int {
  kNoButton = 0,
  kLeftButton = 1,
  kRightButton = 2,
  kMiddleButton = 4,
};

// Virtual key codes of Windows for the keys that have no letter or digit; letters
// are their upper-case ASCII code and digits their ASCII code.
enum VirtualKey : int {
  kVkBack = 0x08,
  kVkTab = 0x09,
  kVkReturn = 0x0D,
  kVkShift = 0x10,
  kVkControl = 0x11,
  kVkMenu = 0x12,
  kVkPause = 0x13,
  kVkCapital = 0x14,
  kVkEscape = 0x1B,
  kVkSpace = 0x20,
  kVkPrior = 0x21,
  kVkNext = 0x22,
  kVkEnd = 0x23,
  kVkHome = 0x24,
  kVkLeft = 0x25,
  kVkUp = 0x26,
  kVkRight = 0x27,
  kVkDown = 0x28,
  kVkInsert = 0x2D,
  kVkDelete = 0x2E,
  kVkNumpad0 = 0x60,
  kVkF1 = 0x70,
  kVkOem = 0xE5,  // Any key without a code of its own (Windows' "process key").
};

struct KeyEvent {
  // Most keys are made by code and shift state alone.
  KeyEvent(int code = 0, int shift_state = 0, std::string typed = {})
      : key_code(code), shift(shift_state), text(std::move(typed)) {}

  int key_code = 0;  // VirtualKey, letter or digit.
  int shift = 0;     // ShiftState bits.
  // The characters the key types in the user's keyboard layout, in UTF-8; empty for keys that type
  // nothing (arrows, Backspace, Ctrl and Alt chords).
  std::string text;
};

struct MouseEvent {
  int button = kNoButton;  // The button that changed; for motion, the buttons held.
  int shift = 0;
  int x = 0;  // In pixels, relative to the receiving window.
  int y = 0;
  int screen_x = 0;
  int screen_y = 0;
};

}  // namespace corvane::platform
