#pragma once

namespace corvane::platform::x11 {

// The virtual key code (input.h) of an X keysym, so key handlers see the codes the program was
// written for. Keys without a code of their own give kVkOem: every key press still arrives.
int VirtualKeyFromKeysym(unsigned long keysym);

// ShiftState bits from an X modifier state.
int ShiftFromState(unsigned int state);

}  // namespace corvane::platform::x11
