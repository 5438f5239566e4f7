#include "platform/win32/keys.h"

#include <windows.h>

#include <algorithm>

#include "os/input.h"

namespace corvane::platform::win32 {

int KeyCodeFromVirtualKey(std::uintptr_t virtual_key) {
  const int key = static_cast<int>(virtual_key);
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return key;
  if (key >= kVkNumpad0 && key <= kVkNumpad0 + 9) return key;
  if (key >= kVkF1 && key <= VK_F24) return key;
  switch (key) {
    case kVkBack:
    case kVkTab:
    case kVkReturn:
    case kVkShift:
    case kVkControl:
    case kVkMenu:
    case kVkPause:
    case kVkCapital:
    case kVkEscape:
    case kVkSpace:
    case kVkPrior:
    case kVkNext:
    case kVkEnd:
    case kVkHome:
    case kVkLeft:
    case kVkUp:
    case kVkRight:
    case kVkDown:
    case kVkInsert:
    case kVkDelete:
      return key;
    default:
      return kVkOem;
  }
}

int ShiftNow() {
  int shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= kShiftMask;
  if (GetKeyState(VK_CONTROL) < 0) shift |= kCtrlMask;
  if (GetKeyState(VK_MENU) < 0) shift |= kAltMask;
  return shift;
}

std::string TypedText(std::string text, int shift) {
  // Ctrl and Alt together is AltGr, which types the third character of a key on many layouts.
  const int chord = shift & (kCtrlMask | kAltMask);
  if (chord == kCtrlMask || chord == kAltMask) return {};
  std::erase_if(text, [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
  return text;
}

}  // namespace corvane::platform::win32
