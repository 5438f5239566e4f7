#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "winapi/mci_error.h"

namespace corvane::platform {

// The multimedia service: command strings for media devices, wave playback and the count of
// audio outputs. The named operations below are how the program reaches it; they own the rules
// for the caller's text buffers, so every implementation answers in plain strings.
class MediaService {
 public:
  virtual ~MediaService() = default;
  static constexpr const char* kServiceName = "media";

  // Runs one command string. Returns 0 and sets answer (possibly empty) on success, or an error
  // code, in which case answer is ignored.
  virtual MCIERROR SendCommand(std::string_view command, std::string& answer) = 0;
  // The error text for a code; an empty result means the service has no text for it.
  virtual std::string ErrorText(MCIERROR code) = 0;
  // Plays, loops or stops a wave sound. name is nullptr to stop.
  virtual bool PlaySound(const char* name, std::uint32_t flags) = 0;
  virtual std::uint32_t CountOutputDevices() = 0;
};

}  // namespace corvane::platform
