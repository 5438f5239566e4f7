#include "os/cd_disc.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "tests/support/temp_folder.h"
#include "tests/winapi/emulation/media/audio_test_files.h"
#include "tests/winapi/emulation/media/cd_test_image.h"

namespace corvane::platform {
namespace {

// Each track's start sector, "d" after a data track, then the lead-out.
std::string TocText(const CdToc& toc) {
  std::string text;
  for (const CdTrack& track : toc.tracks)
    text += std::to_string(track.start) + (track.audio ? " " : "d ");
  return text + "/" + std::to_string(toc.leadout);
}

TEST(CdImage, TableOfContentsComesFromTheImageAndReadsStopAtItsEnds) {
  audio_test::Scratch scratch_;
  ASSERT_TRUE(cd_test::MakeImage(scratch_ / "disc.cue", {{440, 1}, {660, 1, false}, {880, 2}}));
  std::string problem;
  const auto disc = OpenCdDisc(scratch_ / "disc.cue", problem);
  ASSERT_NE(disc, nullptr) << problem;
  EXPECT_EQ(TocText(disc->Toc()), "0 75d 150 /300");

  // Reading up to the lead-out works and past it fails; the samples read are compared with the
  // image's bytes in the layouts test below.
  std::vector<std::int16_t> samples(2 * kCdFramesPerSector * 2);
  ASSERT_TRUE(disc->ReadAudio(298, 2, samples.data()));
  EXPECT_FALSE(disc->ReadAudio(299, 2, samples.data()));
  EXPECT_FALSE(disc->ReadAudio(-1, 1, samples.data()));
  disc->Close();
  EXPECT_FALSE(disc->ReadAudio(0, 1, samples.data()));
}

// The same three-track disc laid out as cue sheets are written in the wild: every layout must
// give the disc's table of contents and, across the joins of its files, the disc's samples.
TEST(CdImage, EveryLayoutOfTheSameDiscPlaysAlike) {
  audio_test::Scratch scratch_;
  using test_support::ReadFileBytes;
  using test_support::WriteFileBytes;
  ASSERT_TRUE(cd_test::MakeImage(scratch_ / "disc.cue", cd_test::kThreeTones));
  const std::string bin = ReadFileBytes(scratch_ / "disc.bin");
  const std::size_t track_bytes = 75 * cd_test::kSectorBytes;
  std::filesystem::create_directory(scratch_ / "sheets");
  for (int t = 0; t < 3; ++t) {
    const std::string part = bin.substr(t * track_bytes, track_bytes);
    // A WAVE file with a chunk before its samples, as tagged rips have.
    std::string wave =
        std::string("RIFF\0\0\0\0WAVE", 12) + "LIST" + std::string("\4\0\0\0abcd", 8) + "fmt " +
        std::string("\x10\0\0\0\1\0\2\0\x44\xAC\0\0\x10\xB1\2\0\4\0\x10\0", 20) + "data";
    const auto size = static_cast<std::uint32_t>(part.size());
    for (int b = 0; b < 4; ++b) wave += static_cast<char>(size >> (8 * b) & 0xFF);
    WriteFileBytes(scratch_ / ("t" + std::to_string(t + 1) + ".wav"), wave + part);
  }
  std::string per_track;
  for (int t = 1; t <= 3; ++t) {
    per_track += "FILE \"../t" + std::to_string(t) + ".wav\" WAVE\n  TRACK 0" + std::to_string(t) +
                 " AUDIO\n    INDEX 01 00:00:00\n";
  }
  const struct {
    const char* name;
    std::string sheet;
  } cases[] = {
      {"a data file named otherwise than the sheet",
       "FILE \"../disc.bin\" BINARY\n TRACK 01 AUDIO\n INDEX 01 00:00:00\n TRACK 02 AUDIO\n"
       " INDEX 00 00:00:70\n INDEX 01 00:01:00\n TRACK 03 AUDIO\n INDEX 01 00:02:00\n"},
      {"a WAVE file per track", per_track},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFileBytes(scratch_ / "sheets/image.cue", c.sheet);
    std::string problem;
    const auto disc = OpenCdDisc(scratch_ / "sheets/image.cue", problem);
    ASSERT_NE(disc, nullptr) << problem;
    EXPECT_EQ(TocText(disc->Toc()), "0 75 150 /225");
    std::vector<std::int16_t> samples(2 * kCdFramesPerSector * 2);
    ASSERT_TRUE(disc->ReadAudio(74, 2, samples.data()));
    EXPECT_EQ(0, std::memcmp(samples.data(), bin.data() + 74 * cd_test::kSectorBytes,
                             samples.size() * 2));
  }
}

TEST(CdImage, SheetsThatDescribeNoPlayableDiscSayWhy) {
  audio_test::Scratch scratch_;
  using test_support::WriteFileBytes;
  WriteFileBytes(scratch_ / "t1.bin", std::string(10 * cd_test::kSectorBytes, '\0'));
  // 22.05 kHz mono: a WAVE file, but not CD audio.
  WriteFileBytes(
      scratch_ / "mono.wav",
      std::string("RIFF\0\0\0\0WAVEfmt \x10\0\0\0\1\0\1\0\x22\x56\0\0\x44\xAC\0\0\2\0\x10\0data"
                  "\0\x10\0\0",
                  44) +
          std::string(4096, '\0'));
  const struct {
    std::string sheet;
    const char* says;
  } cases[] = {
      {"FILE \"mono.wav\" WAVE\n TRACK 01 AUDIO\n INDEX 01 00:00:00\n", "not 16-bit stereo PCM"},
      {"FILE \"t1.bin\" BINARY\n TRACK 01 AUDIO\n INDEX 01 00:00:20\n", "past the end"},
      {"TRACK 01 AUDIO\n INDEX 01 00:00:00\n", "TRACK without a FILE"},
      {"FILE \"t1.bin\" BINARY\n TRACK 01 AUDIO\n INDEX 00 00:00:00\n", "no INDEX 01"},
      {"FILE \"t1.bin\" AIFF\n TRACK 01 AUDIO\n INDEX 01 00:00:00\n", "type other than"},
      {"FILE \"t1.bin\" BINARY\n TRACK 01 AUDIO\n INDEX 01 00:60:00\n", "no time"},
      {"FILE \"t1.bin\" BINARY\n TRACK 01 AUDIO\n INDEX 01 00:00:05\n TRACK 01 AUDIO\n"
       " INDEX 01 00:00:07\n",
       "does not fit"},
  };
  for (const auto& c : cases) {
    WriteFileBytes(scratch_ / "image.cue", c.sheet);
    std::string problem;
    EXPECT_EQ(OpenCdDisc(scratch_ / "image.cue", problem), nullptr) << c.sheet;
    EXPECT_NE(problem.find(c.says), std::string::npos) << problem;
  }
}

}  // namespace
}  // namespace corvane::platform
