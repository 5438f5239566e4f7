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

MCIERROR mciSendStringA(const char* command, char* return_string, std::uint32_t return_length,
                        std::uintptr_t /*callback_window*/) {
  if (command == nullptr) return kMciErrMissingCommandString;
  std::string answer;
  const MCIERROR result = Service<MediaService>::Get().SendCommand(command, answer);
  if (result == 0 && return_string != nullptr && return_length > 0) {
    CopyCut(answer, return_string, return_length);
  }
  return result;
}

bool mciGetErrorStringA(MCIERROR code, char* buffer, std::uint32_t length) {
  if (buffer == nullptr || length == 0) return false;
  const std::string text = Service<MediaService>::Get().ErrorText(code);
  if (text.empty()) return false;
  CopyCut(text, buffer, length);
  return true;
}

bool PlaySoundA(const char* name, std::uintptr_t /*module*/, std::uint32_t flags) {
  return Service<MediaService>::Get().PlaySound(name, flags);
}

std::uint32_t waveOutGetNumDevs() { return Service<MediaService>::Get().CountOutputDevices(); }

}  // namespace corvane::platform
