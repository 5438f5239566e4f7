#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "winapi/emulation/media/mci_device.h"
#include "winapi/emulation/media/mci_parser.h"

namespace corvane::platform {

// What a device type is given to open a device.
struct MciOpenRequest {
  // The file to play, or empty when the command named the device type itself ("open cdaudio").
  std::string element;
  bool shareable = false;
};

// Opens a device of one type, or returns nullptr and sets error.
using MciDeviceFactory =
    std::function<std::unique_ptr<MciDevice>(const MciOpenRequest&, MCIERROR& error)>;

// The command-string interpreter: parses each command once, runs open and close itself, and
// routes every other verb to the device named by its alias. Device types are registered by name
// ("mpegvideo", "cdaudio") with the file extensions they play when a command gives no type.
class MciSession {
 public:
  MciSession() = default;
  ~MciSession();
  MciSession(const MciSession&) = delete;
  MciSession& operator=(const MciSession&) = delete;

  void RegisterDeviceType(std::string_view type_name, std::vector<std::string> extensions,
                          MciDeviceFactory factory);

  MCIERROR Execute(std::string_view command, std::string& answer);

  // Closes every device, as "close all" does.
  void CloseAll();

 private:
  struct DeviceType {
    std::string name;
    std::vector<std::string> extensions;
    MciDeviceFactory factory;
  };
  struct OpenDevice {
    std::uint32_t id;
    std::string alias;
    std::unique_ptr<MciDevice> device;
  };

  MCIERROR Open(const MciRequest& request, std::string& answer);
  MCIERROR Close(const MciRequest& request);
  const DeviceType* FindType(std::string_view name) const;
  const DeviceType* TypeForFile(std::string_view path) const;
  OpenDevice* FindDevice(std::string_view alias);
  std::uint32_t FreeId() const;

  std::vector<DeviceType> types_;
  std::vector<OpenDevice> devices_;
};

}  // namespace corvane::platform
