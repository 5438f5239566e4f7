// Disc images named from outside: a cue sheet read through the CD disc layer, over a raw data
// file and a wave file whose bytes come from the input too.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "os/cd_disc.h"
#include "tests/support/temp_folder.h"
#include "winapi/emulation/media/cue_sheet.h"

namespace corvane::fuzz {
namespace {

using namespace platform;
using test_support::WriteFileBytes;

struct World {
  World() { WriteFileBytes(folder.path() + "/a.bin", std::string(8 * 2352, '\0')); }
  test_support::TempFolder folder;
};

// Reads a couple of sectors at the start and the end of every audio track, and one past the disc.
void ReadTracks(CdDisc& disc) {
  const CdToc& toc = disc.Toc();
  std::vector<std::int16_t> samples(2 * kCdFramesPerSector * 2);
  for (const CdTrack& track : toc.tracks) {
    if (!track.audio) continue;
    const std::int32_t end = toc.EndOf(track);
    const std::int32_t count = std::min<std::int32_t>(2, end - track.start);
    disc.ReadAudio(track.start, count, samples.data());
    disc.ReadAudio(end - count, count, samples.data());
  }
  Require(!disc.ReadAudio(toc.leadout, 1, samples.data()), "nothing reads past the lead-out");
}

}  // namespace
}  // namespace corvane::fuzz

// Input: the cue sheet, a NUL, then the bytes of b.wav.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvane::fuzz;
  static World world;
  Fields fields(data, size);
  const std::string_view sheet = fields.Next();
  WriteFileBytes(world.folder.path() + "/b.wav", fields.Rest());

  std::string problem;
  ParseCueSheet(sheet, problem);
  const std::string cue = world.folder.path() + "/disc.cue";
  WriteFileBytes(cue, sheet);
  const std::unique_ptr<CdDisc> disc = OpenCdDisc(cue, problem);
  if (disc == nullptr) {
    Require(!problem.empty(), "a disc that does not open says why");
    return 0;
  }
  Require(disc->Toc().Consistent(), "an image that opens has a consistent table of contents");
  ReadTracks(*disc);
  disc->Close();
  return 0;
}
