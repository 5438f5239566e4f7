#include "winapi/emulation/media/media_service.h"

#include <algorithm>
#include <cstring>

#include "os/service.h"
#include "winapi/winmm.h"

namespace corvane::platform {

namespace {

// Copies text into a caller's buffer of length bytes, cut so that the terminating NUL fits.
void CopyCut(std::string_view text, char* buffer, std::uint32_t length) {
  const std::size_t count = std::min<std::size_t>(text.size(), length - 1);
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
}

}  // namespace

MCIERROR mciSendStringA(const char* command, char* return_string, UINT return_length,
                        HWND /*callback_window*/) {
  if (command == nullptr) return kMciErrMissingCommandString;
  std::string answer;
  const MCIERROR result = Service<MediaService>::Get().SendCommand(command, answer);
  if (result == 0 && return_string != nullptr && return_length > 0) {
    CopyCut(answer, return_string, return_length);
  }
  return result;
}

BOOL mciGetErrorStringA(MCIERROR code, char* buffer, UINT length) {
  if (buffer == nullptr || length == 0) return 0;
  const std::string text = Service<MediaService>::Get().ErrorText(code);
  if (text.empty()) return 0;
  CopyCut(text, buffer, length);
  return 1;
}

BOOL PlaySoundA(const char* name, HMODULE /*module*/, DWORD flags) {
  return Service<MediaService>::Get().PlaySound(name, flags) ? 1 : 0;
}

UINT waveOutGetNumDevs() { return Service<MediaService>::Get().CountOutputDevices(); }

}  // namespace corvane::platform
