#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/conformance/case_check.h"
#include "tests/conformance/conformance_engine.h"
#include "winapi/winmm.h"

namespace corvane::conformance {
namespace {

using platform::MCIERROR;
using platform::UINT;

// The result code, then the answer after a bar when there is one.
std::string Send(const std::string& command, UINT length) {
  char answer[128] = "";
  const MCIERROR result =
      platform::mciSendStringA(command.c_str(), length > 0 ? answer : nullptr, length, 0);
  return std::to_string(result) + (answer[0] != '\0' ? "|" + std::string(answer) : "");
}

// Fills in the full path of the test files ({mp3}, {wav}) and of a missing file ({missing}); the
// build puts the files, 1.5 s of a tone each, in a folder with a blank in its name.
std::string Command(std::string text) {
  const std::string folder = (std::filesystem::current_path() / "media files").string();
  for (const auto& [mark, name] : {std::pair{"{mp3}", "tone.mp3"}, std::pair{"{wav}", "tone.wav"},
                                   std::pair{"{missing}", "missing.mp3"}}) {
    const std::size_t at = text.find(mark);
    if (at != std::string::npos) {
      text.replace(at, std::string_view(mark).size(),
                   folder + static_cast<char>(std::filesystem::path::preferred_separator) + name);
    }
  }
  return text;
}

class MediaCases : public ::testing::Test {
 protected:
  EngineScope engine_;
};

// One session: each row runs after the ones above it. A row with an answer for Wine is a case in
// which Wine is known to answer otherwise than Windows.
TEST_F(MediaCases, CommandStringsGiveTheirCodesAndAnswers) {
  constexpr UINT kRoom = 128;
  const struct {
    const char* name;
    const char* command;
    UINT length;
    const char* expected;
    const char* under_wine = nullptr;
  } cases[] = {
      {"open.quoted_path_with_blanks", "open \"{mp3}\" type MPEGVideo Alias MP3Play", kRoom, "0|1"},
      {"status.mp3_length_ms", "status MP3Play length", kRoom, "0|1500"},
      {"status.mode_before_play", "status mp3play mode", kRoom, "0|stopped"},
      {"status.position_before_play", "STATUS MP3PLAY POSITION", kRoom, "0|0"},
      {"status.time_format", "status MP3Play time format", kRoom, "0|milliseconds"},
      {"status.answer_cut_to_buffer", "status MP3Play length", 3, "0|15"},
      {"status.no_buffer", "status MP3Play length", 0, "0"},
      {"open.alias_in_use", "open \"{mp3}\" type mpegvideo alias mp3PLAY", kRoom, "289"},
      {"open.same_file_other_alias", "open \"{mp3}\" type MPEGVideo alias second", kRoom, "0|2"},
      {"open.wav", "open \"{wav}\" type MPEGVideo alias wave wait", kRoom, "0|3"},
      {"status.wav_length_ms", "status wave length wait", kRoom, "0|1500"},
      // Wine's MCI tests, run on Windows: a missing file gives 275; Wine's MPEGVideo device fails
      // to build its graph and answers 277.
      {"open.missing_file", "open \"{missing}\" type MPEGVideo alias gone", kRoom, "275", "277"},
      {"play", "play MP3Play", kRoom, "0"},
      {"status.mode_while_playing", "status MP3Play mode", kRoom, "0|playing"},
      {"stop", "stop MP3Play", kRoom, "0"},
      {"status.mode_after_stop", "status MP3Play mode", kRoom, "0|stopped"},
      {"play.from_0_notify", "play MP3Play from 0 notify", kRoom, "0"},
      {"play.wait", "play wave from 0 wait", kRoom, "0"},
      // MS docs: wait returns when play has ended. Wine 8's MPEGVideo device returns at once.
      {"status.mode_after_play_wait", "status wave mode", kRoom, "0|stopped", "0|playing"},
      {"parse.unknown_verb", "frobnicate MP3Play", kRoom, "261"},
      {"parse.empty", "", kRoom, "267"},
      {"parse.verb_without_device", "open", kRoom, "292"},
      {"parse.no_closing_quote", "open \"{mp3} type MPEGVideo alias q", kRoom, "294"},
      {"parse.text_after_quote", "open \"{mp3}\"type MPEGVideo alias q", kRoom, "305"},
      {"parse.hex_integer", "play MP3Play from 0xfa", kRoom, "270"},
      // Windows answers an unknown keyword with 259, Wine with 261 (its parser's comments).
      {"parse.unknown_keyword", "play MP3Play faster", kRoom, "259", "261"},
      {"close", "close MP3Play", kRoom, "0"},
      // Wine's MCI tests, run on Windows: a name that is not open gives 263; Wine first tries to
      // open it as a file, and fails to find a device type for it.
      {"status.closed_alias", "status MP3Play mode", kRoom, "263", "281"},
      {"close.closed_alias", "close MP3Play", kRoom, "263"},
      {"close.all", "close all", kRoom, "0"},
      {"status.after_close_all", "status wave mode", kRoom, "263", "281"},
  };
  for (const auto& c : cases) {
    Check(std::string("media.") + c.name, Send(Command(c.command), c.length), c.expected,
          c.under_wine);
  }
}

}  // namespace
}  // namespace corvane::conformance
