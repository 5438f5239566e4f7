#pragma once

#include <cstdint>
#include <string>

namespace corvane::platform::win32 {

// The program's key code for a system virtual-key code: the same number for the keys the program
// names (os/input.h), kVkOem for the rest, as the other backends report them.
int KeyCodeFromVirtualKey(std::uintptr_t virtual_key);

// ShiftState bits of the keyboard as the message being handled found it.
int ShiftNow();

// What a key typed, as the program wants it: the printable characters of text (UTF-8), and nothing
// at all for Ctrl or Alt chords, whose characters are control codes or menu accelerators.
std::string TypedText(std::string text, int shift);

}  // namespace corvane::platform::win32
