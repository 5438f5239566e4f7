// Command strings from the program to the media service, through mciSendStringA and the command
// interpreter to devices that play silence: the file device over a decoder of a few milliseconds,
// and the CD device over a small disc image, so that even "wait" returns quickly.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "os/service.h"
#include "tests/support/temp_folder.h"
#include "winapi/emulation/media/audio_mixer.h"
#include "winapi/emulation/media/cd_audio_device.h"
#include "winapi/emulation/media/mci_error_text.h"
#include "winapi/emulation/media/mci_session.h"
#include "winapi/emulation/media/media_service.h"
#include "winapi/emulation/media/mpeg_video_device.h"
#include "winapi/winmm.h"

namespace corvane::fuzz {
namespace {

using namespace platform;

// Silence of a length and rate picked by the file name, so positions convert at several rates.
class SilentDecoder final : public AudioDecoder {
 public:
  explicit SilentDecoder(std::size_t name_length)
      : rate_(kRates[name_length % kRates.size()]), channels_(1 + name_length % 2) {}

  int SampleRate() const override { return rate_; }
  int Channels() const override { return channels_; }
  std::int64_t LengthFrames() const override { return rate_ / 100; }
  bool Seek(std::int64_t frame) override {
    frame_ = frame;
    return frame >= 0 && frame <= LengthFrames();
  }
  std::size_t Read(float* samples, std::size_t frames) override {
    const auto count = static_cast<std::size_t>(
        std::clamp<std::int64_t>(LengthFrames() - frame_, 0, static_cast<std::int64_t>(frames)));
    std::fill_n(samples, count * static_cast<std::size_t>(channels_), 0.0f);
    frame_ += static_cast<std::int64_t>(count);
    return count;
  }

 private:
  static constexpr std::array<int, 4> kRates = {8000, 22050, 44100, 48000};
  const int rate_;
  const int channels_;
  std::int64_t frame_ = 0;
};

// Two audio tracks around a data track, two sectors each.
std::string MakeDiscImage(const test_support::TempFolder& folder) {
  std::ofstream(folder.path() + "/disc.bin", std::ios::binary) << std::string(6 * 2352, '\0');
  const std::string cue = folder.path() + "/disc.cue";
  std::ofstream(cue, std::ios::binary) << "FILE \"disc.bin\" BINARY\n"
                                          "  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                                          "  TRACK 02 MODE1/2352\n    INDEX 01 00:00:02\n"
                                          "  TRACK 03 AUDIO\n    INDEX 01 00:00:04\n";
  return cue;
}

class SilentMediaService final : public MediaService {
 public:
  SilentMediaService(AudioMixer& mixer, const std::string& disc) {
    session_.RegisterDeviceType(
        "mpegvideo", {"mp3", "wav"}, [&mixer](const MciOpenRequest& request, MCIERROR&) {
          auto voice = std::make_shared<Voice>(
              std::make_unique<SilentDecoder>(request.element.size()), AudioMixer::kRate);
          return std::make_unique<MpegVideoDevice>(voice, mixer);
        });
    session_.RegisterDeviceType("cdaudio", {}, [&mixer, disc](const MciOpenRequest&, MCIERROR&) {
      return std::make_unique<CdAudioDevice>(disc, mixer);
    });
  }

  MCIERROR SendCommand(std::string_view command, std::string& answer) override {
    return session_.Execute(command, answer);
  }
  std::string ErrorText(MCIERROR code) override { return std::string(MciErrorText(code)); }
  bool PlaySound(const char*, std::uint32_t) override { return false; }
  std::uint32_t CountOutputDevices() override { return 0; }

 private:
  MciSession session_;
};

struct World {
  test_support::TempFolder folder;
  std::string disc = MakeDiscImage(folder);
  AudioMixer mixer{OpenSilentSink(AudioMixer::kRate)};
};

// The caller's buffer with guard bytes behind it: an answer must stop inside the length it was
// given, NUL included.
void CheckCut(const std::vector<char>& buffer, std::size_t length, const char* what) {
  if (length > 0) {
    Require(std::find(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length), '\0') !=
                buffer.begin() + static_cast<std::ptrdiff_t>(length),
            what);
  }
  Require(std::all_of(buffer.begin() + static_cast<std::ptrdiff_t>(length), buffer.end(),
                      [](char c) { return c == '\x7f'; }),
          what);
}

}  // namespace
}  // namespace corvane::fuzz

// Input: the length of the caller's answer buffer (one byte), then command strings.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvane::fuzz;
  static World world;
  SilentMediaService media(world.mixer, world.disc);
  const ScopedService<MediaService> installed(media);

  Fields fields(data, size);
  const std::size_t length = fields.NextByte() % 64;
  for (int count = 0; count < 16; ++count) {
    const std::string command(fields.Next());
    if (command.empty()) break;
    std::vector<char> buffer(length + 8, '\x7f');
    const MCIERROR result =
        mciSendStringA(command.c_str(), buffer.data(), static_cast<std::uint32_t>(length), 0);
    if (result == 0) {
      CheckCut(buffer, length, "an answer fits the caller's buffer");
    } else {
      CheckCut(buffer, 0, "a failed command leaves the caller's buffer alone");
    }
    std::vector<char> text(length + 8, '\x7f');
    if (mciGetErrorStringA(result, text.data(), static_cast<std::uint32_t>(length))) {
      CheckCut(text, length, "an error text fits the caller's buffer");
    }
  }
  return 0;
}
