#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <span>
#include <vector>

extern const std::span<const unsigned char> kEmbedAllBytes;
extern const std::span<const unsigned char> kEmbedEmpty;

namespace {

TEST(Embed, CompiledBytesEqualTheFileOnDisk) {
  std::ifstream file(CORVANE_EMBED_FIXTURE, std::ios::binary);
  ASSERT_TRUE(file) << CORVANE_EMBED_FIXTURE;
  const std::vector<unsigned char> on_disk{std::istreambuf_iterator<char>(file), {}};
  ASSERT_EQ(on_disk.size(), 516u);
  EXPECT_EQ(std::vector<unsigned char>(kEmbedAllBytes.begin(), kEmbedAllBytes.end()), on_disk);
  // The fixture holds every byte value in both orders, so a hex-digit or sign slip in the
  // generator shows up as a wrong byte here rather than only in artwork.
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(kEmbedAllBytes[i], i);
    EXPECT_EQ(kEmbedAllBytes[511 - i], i);
  }
  EXPECT_TRUE(kEmbedEmpty.empty()) << "an empty file gives an empty span";
}

}  // namespace
