#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "winapi/mci_error.h"
#include "winapi/windef.h"

namespace corvane::platform {

// Flags of PlaySoundA. Only the ones this platform acts on are named; others are refused.
inline constexpr DWORD kSndSync = 0x0000;
inline constexpr DWORD kSndAsync = 0x0001;
inline constexpr DWORD kSndNoDefault = 0x0002;
inline constexpr DWORD kSndMemory = 0x0004;
inline constexpr DWORD kSndLoop = 0x0008;
inline constexpr DWORD kSndNoStop = 0x0010;
inline constexpr DWORD kSndPurge = 0x0040;
inline constexpr DWORD kSndApplication = 0x0080;
inline constexpr DWORD kSndNoWait = 0x2000;
inline constexpr DWORD kSndAlias = 0x10000;
inline constexpr DWORD kSndFilename = 0x20000;
inline constexpr DWORD kSndResource = 0x40004;

// Sends a command string. On success the answer is copied into return_string, cut to fit
// return_length bytes with its terminating NUL; a null buffer or a length of 0 discards it. On
// failure the buffer is left as it was. callback_window names a window for notifications (0 =
// none); this platform posts none, so it is only accepted.
MCIERROR mciSendStringA(const char* command, char* return_string, UINT return_length,
                        HWND callback_window);

// Writes the text of an error code into buffer, cut to fit length bytes with its NUL, and returns
// true; returns false and leaves the buffer alone for a code without text, a null buffer or a
// length of 0.
BOOL mciGetErrorStringA(MCIERROR code, char* buffer, UINT length);

// Plays the wave file name (this platform has no sound aliases, so a name is always a file).
// kSndAsync returns at once, kSndLoop repeats until stopped, and a new sound replaces the one that
// plays. PlaySoundA(nullptr, 0, 0) stops it. module is accepted for resources, which this platform
// does not have.
BOOL PlaySoundA(const char* name, HMODULE module, DWORD flags);

// The number of audio output devices, 0 when there is none.
UINT waveOutGetNumDevs();

}  // namespace corvane::platform
