#include "platform/fake/fake_media_service.h"

namespace corvane::platform {

MCIERROR FakeMediaService::SendCommand(std::string_view command, std::string& answer) {
  commands_.emplace_back(command);
  if (journal_) journal_("mci " + commands_.back());
  const auto it = replies_.find(commands_.back());
  if (it == replies_.end()) {
    answer.clear();
    return 0;
  }
  answer = it->second.answer;
  return it->second.result;
}

std::string FakeMediaService::ErrorText(MCIERROR code) {
  const auto it = error_texts_.find(code);
  return it == error_texts_.end() ? std::string() : it->second;
}

bool FakeMediaService::PlaySound(const char* name, std::uint32_t flags) {
  play_sound_calls_.push_back({name != nullptr, name != nullptr ? name : "", flags});
  if (journal_) {
    journal_(name == nullptr ? "wave stop"
                             : "wave " + std::string(name) + " " + std::to_string(flags));
  }
  return play_sound_result_;
}

}  // namespace corvane::platform
