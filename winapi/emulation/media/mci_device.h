#pragma once

#include <string>

#include "winapi/emulation/media/mci_parser.h"
#include "winapi/mci_error.h"

namespace corvane::platform {

// One open media device behind an alias: a file being played, or a CD drive. The session hands
// each device the parsed request, so a device reads positions in its own time format. Every
// call comes from the user-interface thread and returns at once unless the request says "wait".
class MciDevice {
 public:
  virtual ~MciDevice() = default;

  // Starts play from request.from (or the current position) up to request.to (or the end).
  virtual MCIERROR Play(const MciRequest& request) = 0;
  // Stops play; the position stays where play stopped.
  virtual MCIERROR Stop() = 0;
  virtual MCIERROR Pause() = 0;
  virtual MCIERROR Resume() = 0;
  // Answers request.item ("mode", "position", ...) as text.
  virtual MCIERROR Status(const MciRequest& request, std::string& answer) = 0;
  // Sets request.item to request.value.
  virtual MCIERROR Set(const MciRequest& request) = 0;
};

}  // namespace corvane::platform
