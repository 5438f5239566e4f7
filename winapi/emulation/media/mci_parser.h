#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "winapi/mci_error.h"

namespace corvane::platform {

enum class MciVerb { kOpen, kClose, kPlay, kStop, kPause, kResume, kStatus, kSet };

// One command string, taken apart. Verbs, keywords, items and constants are lower case; the
// device name keeps its spelling, since it may be a file path.
struct MciRequest {
  MciVerb verb = MciVerb::kOpen;
  // The alias, the device type name, the file (for open), or "all".
  std::string device;
  // open: the device type named by "type", and the alias named by "alias"; empty when absent.
  std::string type;
  std::string alias;
  // play: "from" and "to"; status: "track". Numbers in the device's time format, a colon form
  // "a:b:c:d" packed a | b << 8 | c << 16 | d << 24 as the devices expect.
  std::optional<std::uint32_t> from;
  std::optional<std::uint32_t> to;
  std::optional<std::uint32_t> track;
  // status: what is asked ("mode", "position", "number of tracks", ...); set: what is set
  // ("time format").
  std::string item;
  // set: the new value ("milliseconds", "tmsf", ...).
  std::string value;
  bool wait = false;
  bool notify = false;
  bool shareable = false;
};

// Parses a command string: "<verb> <device> <keywords...>", blanks between tokens, a token in
// double quotes running to the next double quote. Returns 0 and fills request, or the error code
// that the whole service answers for a malformed command.
MCIERROR ParseMciCommand(std::string_view command, MciRequest& request);

// Reads a number as commands write it: decimal digits, or up to four colon-separated byte fields.
std::optional<std::uint32_t> ParseMciInteger(std::string_view text);

}  // namespace corvane::platform
