#include "music/cd_player.h"

#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "core/number_text.h"
#include "core/shared_state.h"
#include "gfx/ascii.h"
#include "music/mci_text.h"
#include "winapi/winmm.h"

namespace corvane {

std::int16_t CD_PollEnabled = 0;
std::array<char, 255> CD_ModeBuffer{};

namespace {

constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

// Commands whose answer nobody reads: no buffer, length 0, no callback window.
void Send(const char* command) {
  API_Result = static_cast<std::int32_t>(platform::mciSendStringA(command, nullptr, 0, 0));
}

// Every failure text of MciQuery, and the service's error texts, contain "ERR" in some case.
bool IsFailure(const std::string& answer) {
  return gfx::AsciiUpper(answer).find("ERR") != std::string::npos;
}

// One poll of the disc: its current track, that it has tracks, and its mode; then a stopped disc
// is started again, or the repeated track brought back. Returns false on a failure, which ends
// the polling.
bool Poll() {
  const std::string track = MciQuery("status cdaudio current track");
  if (IsFailure(track)) return false;
  // The count only proves there is a disc.
  if (IsFailure(MciQuery("status cdaudio number of tracks"))) return false;

  API_Result = static_cast<std::int32_t>(platform::mciSendStringA(
      "status cdaudio mode", CD_ModeBuffer.data(), CD_ModeBuffer.size(), 0));
  const bool stopped = std::string_view(CD_ModeBuffer.data(), 7) == "stopped";

  if (BGM_RepeatTrack != 0) {
    // The track answer is compared as a number even when the disc is stopped; an answer that is
    // no number is a failure like any other.
    const std::optional<double> playing = ParseNumber(track);
    if (!playing) return false;
    if (stopped || *playing != BGM_RepeatTrack) {
      // No end position: play runs on into the next track, and the next poll brings it back.
      const std::string start =
          MciQuery("status cdaudio position track " + std::to_string(BGM_RepeatTrack));
      MciPlay("cdaudio", start, "");
    }
  } else if (stopped) {
    MciPlay("cdaudio", "", "");
  }
  return true;
}

}  // namespace

void CdOpen() {
  Send("open cdaudio");
  Send("set cdaudio time format tmsf");
}

void CdPoll() {
  CD_PollEnabled = kTrue;
  try {
    if (!Poll()) CD_PollEnabled = kFalse;
  } catch (const std::exception&) {
    // Whatever goes wrong inside a poll ends the polling, as a failed query does.
    CD_PollEnabled = kFalse;
  }
}

void CdStop() {
  Send("stop cdaudio");
  Send("close cdaudio");
}

}  // namespace corvane
