#include "platform/media/cd_disc.h"

#include <gtest/gtest.h>

#include "tests/platform/media/audio_test_files.h"
#include "tests/platform/media/cd_test_image.h"
#include "tests/support/temp_folder.h"

namespace corvane::platform {
namespace {

TEST(CdImage, TableOfContentsAndSamplesComeFromTheImage) {
  audio_test::Scratch scratch_;
  ASSERT_TRUE(cd_test::MakeImage(scratch_ / "disc.cue", {{440, 1}, {660, 1, false}, {880, 2}}));
  std::string problem;
  const auto disc = OpenCdDisc(scratch_ / "disc.cue", problem);
  ASSERT_NE(disc, nullptr) << problem;
  const CdToc& toc = disc->Toc();
  ASSERT_EQ(toc.tracks.size(), 3u);
  EXPECT_EQ(toc.tracks[1].start, 75);
  EXPECT_EQ(toc.tracks[2].start, 150);
  EXPECT_EQ(toc.leadout, 300);
  EXPECT_TRUE(toc.tracks[0].audio);
  EXPECT_FALSE(toc.tracks[1].audio);

  // Samples are the little-endian bytes of the .bin, whatever the host's byte order.
  const std::string bin = test_support::ReadFileBytes(scratch_ / "disc.bin");
  std::vector<std::int16_t> samples(2 * kCdFramesPerSector * 2);
  ASSERT_TRUE(disc->ReadAudio(298, 2, samples.data()));
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const std::size_t at = 298 * cd_test::kSectorBytes + 2 * i;
    ASSERT_EQ(samples[i], static_cast<std::int16_t>(static_cast<std::uint8_t>(bin[at]) |
                                                    static_cast<std::uint8_t>(bin[at + 1]) << 8))
        << i;
  }
  EXPECT_FALSE(disc->ReadAudio(299, 2, samples.data()));
  EXPECT_FALSE(disc->ReadAudio(-1, 1, samples.data()));
  disc->Close();
  EXPECT_FALSE(disc->ReadAudio(0, 1, samples.data()));
}

}  // namespace
}  // namespace corvane::platform
