#include "winapi/emulation/media/mci_error_text.h"

#include <array>
#include <utility>

namespace corvane::platform {

namespace {

// Every text fits the 128 characters that callers of Windows were promised.
constexpr std::array<std::pair<MCIERROR, std::string_view>, 30> kTexts = {{
    {kMciErrInvalidDeviceId, "The device ID is not valid. Use the ID the open command returned."},
    {kMciErrUnrecognizedKeyword, "The device does not recognize a parameter of this command."},
    {kMciErrUnrecognizedCommand, "The device does not recognize this command."},
    {kMciErrHardware, "The media device reported a problem. Check that it works and holds a disc."},
    {kMciErrInvalidDeviceName, "The named device is not open or is not known."},
    {kMciErrDeviceOpen, "This device or file is already open under that name. Use an alias."},
    {kMciErrCannotLoadDriver, "The driver for this device could not be started."},
    {kMciErrMissingCommandString, "No command was given."},
    {kMciErrParamOverflow, "The answer does not fit the return buffer. Pass a larger buffer."},
    {kMciErrBadInteger, "A number in this command is not a valid integer."},
    {kMciErrMissingParameter, "This command needs a parameter that is missing."},
    {kMciErrUnsupportedFunction, "This device does not support this command."},
    {kMciErrFileNotFound, "The file cannot be found. Check the path and the file name."},
    {kMciErrDeviceNotReady, "The device is not ready."},
    {kMciErrInternal, "The media service met an internal problem."},
    {kMciErrCannotUseAll, "The name \"all\" cannot be used with this command."},
    {kMciErrExtensionNotFound, "No device type is known for this file name extension."},
    {kMciErrOutOfRange, "A parameter is out of range for this command."},
    {kMciErrFlagsNotCompatible, "These parameters cannot be used together."},
    {kMciErrDuplicateAlias, "This alias is already in use. Choose another alias."},
    {kMciErrBadConstant, "A parameter has a value this command does not accept."},
    {kMciErrMustUseShareable, "The device is in use. Open it as shareable."},
    {kMciErrMissingDeviceName, "This command needs a device name, alias or file name."},
    {kMciErrBadTimeFormat, "The time format is not valid for this device."},
    {kMciErrNoClosingQuote, "A quoted text has no closing double quote."},
    {kMciErrInvalidFile, "This file cannot be played. It may be damaged or of another format."},
    {kMciErrNotifyOnAutoOpen, "Notify cannot be used with a device that was not opened first."},
    {kMciErrNonapplicableFunction, "This command cannot be used in the device's current state."},
    {kMciErrExtraCharacters,
     "A quoted text must be followed by a blank or the end of the command."},
    {kMciErrDeviceNotInstalled, "This device is not installed."},
}};

}  // namespace

std::string_view MciErrorText(MCIERROR code) {
  for (const auto& [known, text] : kTexts) {
    if (known == code) return text;
  }
  return {};
}

}  // namespace corvane::platform
