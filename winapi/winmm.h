#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "winapi/mci_error.h"

namespace corvane::platform {

// Flags of PlaySoundA. Only the ones this platform acts on are named; others are refused.
inline constexpr std::uint32_t kSndSync = 0x0000;
inline constexpr std::uint32_t kSndAsync = 0x0001;
inline constexpr std::uint32_t kSndNoDefault = 0x0002;
inline constexpr std::uint32_t kSndMemory = 0x0004;
inline constexpr std::uint32_t kSndLoop = 0x0008;
inline constexpr std::uint32_t kSndNoStop = 0x0010;
inline constexpr std::uint32_t kSndPurge = 0x0040;
inline constexpr std::uint32_t kSndApplication = 0x0080;
inline constexpr std::uint32_t kSndNoWait = 0x2000;
inline constexpr std::uint32_t kSndAlias = 0x10000;
inline constexpr std::uint32_t kSndFilename = 0x20000;
inline constexpr std::uint32_t kSndResource = 0x40004;

// Sends a command string. On success the answer is copied into return_string, cut to fit
// return_length bytes with its terminating NUL; a null buffer or a length of 0 discards it. On
// failure the buffer is left as it was. callback_window names a window for notifications (0 =
// none); this platform posts none, so it is only accepted.
MCIERROR mciSendStringA(const char* command, char* return_string, std::uint32_t return_length,
                        std::uintptr_t callback_window);

// Writes the text of an error code into buffer, cut to fit length bytes with its NUL, and returns
// true; returns false and leaves the buffer alone for a code without text, a null buffer or a
// length of 0.
bool mciGetErrorStringA(MCIERROR code, char* buffer, std::uint32_t length);

// Plays the wave file name (this platform has no sound aliases, so a name is always a file).
// kSndAsync returns at once, kSndLoop repeats until stopped, and a new sound replaces the one that
// plays. PlaySoundA(nullptr, 0, 0) stops it. module is accepted for resources, which this platform
// does not have.
bool PlaySoundA(const char* name, std::uintptr_t module, std::uint32_t flags);

// The number of audio output devices, 0 when there is none.
std::uint32_t waveOutGetNumDevs();

}  // namespace corvane::platform
