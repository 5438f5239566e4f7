// The media calls of the API subset, forwarded to the system's own: MP3 through its MPEGVideo
// device, WAV through PlaySound, CD audio through its cdaudio device.

#include "winapi/winmm.h"

#include <windows.h>
// The media calls, which the lean <windows.h> leaves out.
#include <mmsystem.h>

#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace corvane::platform {

// The answers are short ("playing", "1000"): a buffer this long holds any of them.
constexpr UINT kAnswerLength = 512;

MCIERROR mciSendStringA(const char* command, char* return_string, UINT return_length,
                        HWND callback_window) {
  if (command == nullptr) return kMciErrMissingCommandString;
  wchar_t answer[kAnswerLength] = {};
  const MCIERROR result = ::mciSendStringW(win32::Widen(command).c_str(), answer, kAnswerLength,
                                           win32::ToNative<::HWND>(callback_window));
  if (result == 0) win32::CopyCut(win32::Narrow(answer), return_string, return_length);
  return result;
}

BOOL mciGetErrorStringA(MCIERROR code, char* buffer, UINT length) {
  if (buffer == nullptr || length == 0) return 0;
  wchar_t text[MAXERRORLENGTH] = {};
  if (!::mciGetErrorStringW(code, text, MAXERRORLENGTH)) return 0;
  win32::CopyCut(win32::Narrow(text), buffer, length);
  return 1;
}

BOOL PlaySoundA(const char* name, HMODULE module, DWORD flags) {
  const std::wstring wide = name != nullptr ? win32::Widen(name) : L"";
  return ::PlaySoundW(name != nullptr ? wide.c_str() : nullptr, reinterpret_cast<::HMODULE>(module),
                      flags);
}

UINT waveOutGetNumDevs() { return ::waveOutGetNumDevs(); }

}  // namespace corvane::platform
