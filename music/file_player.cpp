#include "music/file_player.h"

#include <string>
#include <string_view>

#include "core/shared_state.h"
#include "winapi/winmm.h"

namespace corvane {

std::array<char, 30> MP3_ModeBuffer{};

namespace {

constexpr char kQuote = '"';

// Commands whose answer nobody reads: no buffer, length 0, no callback window.
platform::MCIERROR Send(const std::string& command) {
  return platform::mciSendStringA(command.c_str(), nullptr, 0, 0);
}

}  // namespace

void Mp3Start() {
  // The path goes in double quotes as stored, so blanks in it stay part of the one element.
  const std::string open =
      "open " + std::string(1, kQuote) + BGM_File + kQuote + " type MPEGVideo Alias MP3Play";
  if (Send(open) == 0) Send("play MP3Play");
}

bool Mp3IsPlaying() {
  platform::mciSendStringA("status MP3Play mode", MP3_ModeBuffer.data(), MP3_ModeBuffer.size(), 0);
  return std::string_view(MP3_ModeBuffer.data(), 7) == "playing";
}

void Mp3Repeat() {
  if (Mp3IsPlaying()) return;
  Send("stop MP3Play");
  Send("play MP3Play from 0");
}

void Mp3Stop() {
  Send("stop MP3Play");
  Send("close MP3Play");
}

void WavStart() {
  if (platform::waveOutGetNumDevs() == 0) return;
  // No file-name flag: on this platform every sound name is a file.
  API_Result =
      platform::PlaySoundA(BGM_File.c_str(), nullptr, platform::kSndAsync | platform::kSndLoop);
}

void WavStop() { API_Result = platform::PlaySoundA(nullptr, nullptr, 0); }

}  // namespace corvane
