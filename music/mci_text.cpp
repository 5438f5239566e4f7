#include "music/mci_text.h"

#include <algorithm>

#include "core/shared_state.h"
#include "winapi/winmm.h"

namespace corvane {

std::array<char, 512> MCI_ReturnBuffer{};
std::array<char, 256> MCI_ErrorBuffer{};
std::string MCI_Message;

namespace {

template <std::size_t N>
std::string UpToNul(const std::array<char, N>& buffer) {
  return std::string(buffer.begin(), std::find(buffer.begin(), buffer.end(), '\0'));
}

}  // namespace

std::int32_t MciCommand(const std::string& command, std::string& message) {
  if (command.empty()) {
    message = kMciNoCommandMessage;
    return -1;
  }
  const platform::MCIERROR result = platform::mciSendStringA(
      command.c_str(), MCI_ReturnBuffer.data(), MCI_ReturnBuffer.size(), 0);
  API_Result = static_cast<std::int32_t>(result);
  if (result != 0) {
    if (platform::mciGetErrorStringA(result, MCI_ErrorBuffer.data(), MCI_ErrorBuffer.size())) {
      message = UpToNul(MCI_ErrorBuffer);
    } else {
      message = kMciNoErrorTextMessage;
    }
    return static_cast<std::int32_t>(result);
  }
  message = UpToNul(MCI_ReturnBuffer);
  return 0;
}

std::string MciQuery(const std::string& command) {
  const std::int32_t result = MciCommand(command, MCI_Message);
  API_Result = result;
  if (result != 0) return kMciQueryErrorPrefix + std::to_string(result);
  return MCI_Message;
}

std::int32_t MciPlay(const std::string& device, const std::string& start, const std::string& end) {
  std::string command = "play " + device;
  if (!start.empty()) command += " from " + start;
  if (!end.empty()) command += " to " + end;
  return MciCommand(command, MCI_Message);
}

}  // namespace corvane
