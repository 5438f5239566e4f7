#include "winapi/emulation/media/mci_session.h"

#include <algorithm>

#include "gfx/ascii.h"

namespace corvane::platform {

MciSession::~MciSession() { CloseAll(); }

void MciSession::RegisterDeviceType(std::string_view type_name, std::vector<std::string> extensions,
                                    MciDeviceFactory factory) {
  types_.push_back({std::string(type_name), std::move(extensions), std::move(factory)});
}

MCIERROR MciSession::Execute(std::string_view command, std::string& answer) {
  answer.clear();
  MciRequest request;
  if (const MCIERROR error = ParseMciCommand(command, request)) return error;

  if (request.verb == MciVerb::kOpen) return Open(request, answer);
  if (request.verb == MciVerb::kClose) return Close(request);
  if (gfx::EqualIgnoringAsciiCase(request.device, "all")) return kMciErrCannotUseAll;
  OpenDevice* open = FindDevice(request.device);
  if (open == nullptr) return kMciErrInvalidDeviceName;
  MciDevice& device = *open->device;
  switch (request.verb) {
    case MciVerb::kPlay:
      return device.Play(request);
    case MciVerb::kStop:
      return device.Stop();
    case MciVerb::kPause:
      return device.Pause();
    case MciVerb::kResume:
      return device.Resume();
    case MciVerb::kStatus:
      return device.Status(request, answer);
    case MciVerb::kSet:
      return device.Set(request);
    case MciVerb::kOpen:
    case MciVerb::kClose:
      break;
  }
  return kMciErrUnrecognizedCommand;
}

void MciSession::CloseAll() {
  // Devices close newest first, so a device never outlives one opened before it.
  while (!devices_.empty()) devices_.pop_back();
}

MCIERROR MciSession::Open(const MciRequest& request, std::string& answer) {
  if (gfx::EqualIgnoringAsciiCase(request.device, "all")) return kMciErrCannotUseAll;
  const DeviceType* type = nullptr;
  MciOpenRequest open;
  open.shareable = request.shareable;
  std::string implicit_alias = request.device;
  if (!request.type.empty()) {
    type = FindType(request.type);
    if (type == nullptr) return kMciErrInvalidDeviceName;
    open.element = request.device;
  } else if ((type = FindType(request.device)) == nullptr) {
    type = TypeForFile(request.device);
    if (type == nullptr) return kMciErrExtensionNotFound;
    open.element = request.device;
  }

  const bool explicit_alias = !request.alias.empty();
  const std::string alias = explicit_alias ? request.alias : implicit_alias;
  if (FindDevice(alias) != nullptr) {
    return explicit_alias ? kMciErrDuplicateAlias : kMciErrDeviceOpen;
  }
  MCIERROR error = 0;
  std::unique_ptr<MciDevice> device = type->factory(open, error);
  if (device == nullptr) return error != 0 ? error : kMciErrCannotLoadDriver;
  const std::uint32_t id = FreeId();
  devices_.push_back({id, alias, std::move(device)});
  answer = std::to_string(id);
  return 0;
}

MCIERROR MciSession::Close(const MciRequest& request) {
  if (gfx::EqualIgnoringAsciiCase(request.device, "all")) {
    CloseAll();
    return 0;
  }
  const auto it = std::find_if(devices_.begin(), devices_.end(), [&](const OpenDevice& open) {
    return gfx::EqualIgnoringAsciiCase(open.alias, request.device);
  });
  if (it == devices_.end()) return kMciErrInvalidDeviceName;
  devices_.erase(it);
  return 0;
}

const MciSession::DeviceType* MciSession::FindType(std::string_view name) const {
  for (const DeviceType& type : types_) {
    if (gfx::EqualIgnoringAsciiCase(type.name, name)) return &type;
  }
  return nullptr;
}

const MciSession::DeviceType* MciSession::TypeForFile(std::string_view path) const {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.find_last_of("/\\");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
    return nullptr;
  }
  const std::string_view extension = path.substr(dot + 1);
  for (const DeviceType& type : types_) {
    for (const std::string& known : type.extensions) {
      if (gfx::EqualIgnoringAsciiCase(known, extension)) return &type;
    }
  }
  return nullptr;
}

MciSession::OpenDevice* MciSession::FindDevice(std::string_view alias) {
  for (OpenDevice& open : devices_) {
    if (gfx::EqualIgnoringAsciiCase(open.alias, alias)) return &open;
  }
  return nullptr;
}

std::uint32_t MciSession::FreeId() const {
  // The lowest id not in use, as the first device of a run is always 1.
  std::uint32_t id = 1;
  while (std::any_of(devices_.begin(), devices_.end(),
                     [id](const OpenDevice& open) { return open.id == id; })) {
    ++id;
  }
  return id;
}

}  // namespace corvane::platform
