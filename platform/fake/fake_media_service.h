#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "winapi/emulation/media/media_service.h"

namespace corvane::platform {

// A media service for tests: records every command string and PlaySound call in order and
// answers as the test told it. A command without a told reply succeeds with an empty answer; a
// code without a told text has none.
class FakeMediaService : public MediaService {
 public:
  struct Reply {
    MCIERROR result = 0;
    std::string answer;
  };
  struct PlaySoundCall {
    bool has_name = false;
    std::string name;
    std::uint32_t flags = 0;
  };

  // The reply to every later command equal to command (compared exactly).
  void SetReply(const std::string& command, Reply reply) { replies_[command] = std::move(reply); }
  void SetErrorText(MCIERROR code, std::string text) { error_texts_[code] = std::move(text); }
  void SetOutputDevices(std::uint32_t count) { output_devices_ = count; }
  void SetPlaySoundResult(bool result) { play_sound_result_ = result; }

  const std::vector<std::string>& commands() const { return commands_; }
  const std::vector<PlaySoundCall>& play_sound_calls() const { return play_sound_calls_; }
  // Told "mci <command>", "wave <name> <flags>" or "wave stop" as each call comes.
  void SetJournal(std::function<void(std::string)> journal) { journal_ = std::move(journal); }
  void ClearLog() {
    commands_.clear();
    play_sound_calls_.clear();
  }

  MCIERROR SendCommand(std::string_view command, std::string& answer) override;
  std::string ErrorText(MCIERROR code) override;
  bool PlaySound(const char* name, std::uint32_t flags) override;
  std::uint32_t CountOutputDevices() override { return output_devices_; }

 private:
  std::map<std::string, Reply> replies_;
  std::map<MCIERROR, std::string> error_texts_;
  std::vector<std::string> commands_;
  std::vector<PlaySoundCall> play_sound_calls_;
  std::function<void(std::string)> journal_;
  std::uint32_t output_devices_ = 1;
  bool play_sound_result_ = true;
};

}  // namespace corvane::platform
