#include "platform/media/cd_disc.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/platform/media/audio_test_files.h"
#include "tests/platform/media/cd_test_image.h"

namespace corvane::platform {
namespace {

TEST(CdToc, AudioRangesSkipDataTracks) {
  // A data track between two audio tracks, and one at the end, as on mixed discs.
  const CdToc toc{{{1, 0, true}, {2, 100, false}, {3, 150, true}, {4, 200, false}}, 260};
  ASSERT_TRUE(toc.Consistent());
  struct Case {
    std::int32_t sector, audio_from, audio_until, track;
  };
  for (const Case& c :
       {Case{0, 0, 100, 1}, Case{99, 99, 100, 1}, Case{100, 150, 200, 2}, Case{149, 150, 200, 2},
        Case{150, 150, 200, 3}, Case{210, 260, 260, 4}, Case{260, 260, 260, 4}}) {
    SCOPED_TRACE(c.sector);
    EXPECT_EQ(toc.AudioFrom(c.sector), c.audio_from);
    EXPECT_EQ(toc.AudioUntil(toc.AudioFrom(c.sector)), c.audio_until);
    EXPECT_EQ(toc.TrackAt(c.sector)->number, c.track);
  }
  EXPECT_EQ(toc.EndOf(toc.tracks[3]), 260);
}

TEST(CdToc, InconsistentTablesAreRecognised) {
  EXPECT_FALSE((CdToc{{}, 100}).Consistent());
  EXPECT_FALSE((CdToc{{{1, 0, true}, {2, 100, true}}, 90}).Consistent());
  EXPECT_FALSE((CdToc{{{1, 0, true}, {2, 0, true}}, 90}).Consistent());
  EXPECT_FALSE((CdToc{{{2, 0, true}, {1, 50, true}}, 90}).Consistent());
  EXPECT_FALSE((CdToc{{{1, -5, true}}, 90}).Consistent());
}

class CdImage : public ::testing::Test {
 protected:
  std::unique_ptr<CdDisc> Open(const std::string& cue) {
    problem_.clear();
    return OpenCdDisc(cue, problem_);
  }
  audio_test::Scratch scratch_;
  std::string problem_;
};

TEST_F(CdImage, TableOfContentsAndSamplesComeFromTheImage) {
  const std::string cue = scratch_ / "disc.cue";
  ASSERT_TRUE(cd_test::MakeImage(cue, {{440, 1}, {660, 1, false}, {880, 2}}));
  const auto disc = Open(cue);
  ASSERT_NE(disc, nullptr) << problem_;
  const CdToc& toc = disc->Toc();
  ASSERT_EQ(toc.tracks.size(), 3u);
  EXPECT_EQ(toc.tracks[1].start, 75);
  EXPECT_EQ(toc.tracks[2].start, 150);
  EXPECT_EQ(toc.leadout, 300);
  EXPECT_TRUE(toc.tracks[0].audio);
  EXPECT_FALSE(toc.tracks[1].audio);

  // Samples are the little-endian bytes of the .bin, whatever the host's byte order.
  std::ifstream in(scratch_ / "disc.bin", std::ios::binary);
  const std::string bin((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
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

TEST_F(CdImage, BrokenImagesAreRefusedWithAReason) {
  ASSERT_TRUE(cd_test::MakeImage(scratch_ / "good.cue", cd_test::kThreeTones));
  const auto write = [&](const std::string& name, const std::string& text) {
    std::ofstream(scratch_ / name, std::ios::binary) << text;
  };
  write("empty.cue", "");
  write("empty.bin", "");
  write("garbage.cue", std::string("\x01\xff\x7fTRACK ??\0 INDEX", 17));
  write("garbage.bin", "x");
  write("nobin.cue", "FILE \"nobin.bin\" BINARY\r\n  TRACK 01 AUDIO\r\n    INDEX 01 00:00:00\r\n");
  // A cue sheet names its data file, but the image's data file is found by its base name.
  write("other.cue", "FILE \"good.bin\" BINARY\r\n  TRACK 01 AUDIO\r\n    INDEX 01 00:00:00\r\n");
  std::filesystem::copy_file(scratch_ / "good.cue", scratch_ / "short.cue");
  std::ifstream good(scratch_ / "good.bin", std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(good)), std::istreambuf_iterator<char>());
  write("short.bin", bytes.substr(0, 100 * cd_test::kSectorBytes));

  for (const char* name :
       {"missing.cue", "empty.cue", "garbage.cue", "nobin.cue", "other.cue", "short.cue"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Open(scratch_ / name), nullptr);
    EXPECT_NE(problem_.find(name), std::string::npos) << problem_;
  }
  EXPECT_NE(Open(scratch_ / "good.cue"), nullptr) << problem_;
}

}  // namespace
}  // namespace corvane::platform
