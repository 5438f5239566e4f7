#include "platform/x11/keys.h"

#include <X11/X.h>
#include <X11/keysym.h>

#include "os/input.h"

namespace corvane::platform::x11 {

int VirtualKeyFromKeysym(unsigned long keysym) {
  if (keysym >= XK_a && keysym <= XK_z) return static_cast<int>(keysym - XK_a + 'A');
  if (keysym >= XK_A && keysym <= XK_Z) return static_cast<int>(keysym);
  if (keysym >= XK_0 && keysym <= XK_9) return static_cast<int>(keysym);
  if (keysym >= XK_KP_0 && keysym <= XK_KP_9)
    return static_cast<int>(kVkNumpad0 + keysym - XK_KP_0);
  if (keysym >= XK_F1 && keysym <= XK_F24) return static_cast<int>(kVkF1 + keysym - XK_F1);
  switch (keysym) {
    case XK_BackSpace:
      return kVkBack;
    case XK_Tab:
    case XK_ISO_Left_Tab:
      return kVkTab;
    case XK_Return:
    case XK_KP_Enter:
      return kVkReturn;
    case XK_Shift_L:
    case XK_Shift_R:
      return kVkShift;
    case XK_Control_L:
    case XK_Control_R:
      return kVkControl;
    case XK_Alt_L:
    case XK_Alt_R:
    case XK_Meta_L:
    case XK_Meta_R:
      return kVkMenu;
    case XK_Pause:
      return kVkPause;
    case XK_Caps_Lock:
      return kVkCapital;
    case XK_Escape:
      return kVkEscape;
    case XK_space:
    case XK_KP_Space:
      return kVkSpace;
    case XK_Prior:
    case XK_KP_Prior:
      return kVkPrior;
    case XK_Next:
    case XK_KP_Next:
      return kVkNext;
    case XK_End:
    case XK_KP_End:
      return kVkEnd;
    case XK_Home:
    case XK_KP_Home:
      return kVkHome;
    case XK_Left:
    case XK_KP_Left:
      return kVkLeft;
    case XK_Up:
    case XK_KP_Up:
      return kVkUp;
    case XK_Right:
    case XK_KP_Right:
      return kVkRight;
    case XK_Down:
    case XK_KP_Down:
      return kVkDown;
    case XK_Insert:
    case XK_KP_Insert:
      return kVkInsert;
    case XK_Delete:
    case XK_KP_Delete:
      return kVkDelete;
    default:
      return kVkOem;
  }
}

int ShiftFromState(unsigned int state) {
  int shift = 0;
  if (state & ShiftMask) shift |= kShiftMask;
  if (state & ControlMask) shift |= kCtrlMask;
  if (state & Mod1Mask) shift |= kAltMask;
  return shift;
}

}  // namespace corvane::platform::x11
