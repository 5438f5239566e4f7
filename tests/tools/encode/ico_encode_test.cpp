#include "tools/encode/ico_encode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace corvane::gfx {
namespace {

std::uint32_t Read(const std::vector<std::uint8_t>& file, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i)
    value = value << 8 | file.at(at + static_cast<std::size_t>(i));
  return value;
}

TEST(EncodeIcon, WritesEachPictureBottomUpWithItsMaskAfterTheDirectory) {
  std::optional<Surface> small = Surface::Create(2, 2), large = Surface::Create(256, 1);
  small->Row(0)[0] = 0x123456;  // top left
  small->Row(1)[0] = small->Row(1)[1] = 0x000001;
  const std::vector<std::uint8_t> file = EncodeIcon({&*small, &*large});

  struct Field {
    const char* what;
    std::size_t at;
    int bytes;
    std::uint32_t expected;
  };
  const std::size_t first = 6 + 2 * 16;  // The directory, then the first image.
  const std::size_t small_bytes = 40 + 2 * 2 * 4 + 2 * 4;
  const Field fields[] = {
      {"an icon file", 2, 2, 1},
      {"two pictures", 4, 2, 2},
      {"first width", 6, 1, 2},
      {"first size", 6 + 8, 4, static_cast<std::uint32_t>(small_bytes)},
      {"first offset", 6 + 12, 4, static_cast<std::uint32_t>(first)},
      {"256 is written as 0", 22, 1, 0},
      {"second offset", 22 + 12, 4, static_cast<std::uint32_t>(first + small_bytes)},
      {"height counts colours and mask", first + 8, 4, 4},
      {"32 bits a pixel", first + 14, 2, 32},
      {"bottom row first", first + 40, 4, 0xFF000001},
      {"top left, opaque", first + 40 + 8, 4, 0xFF123456},
      {"black is opaque too", first + 40 + 12, 4, 0xFF000000},
      {"the mask is clear", first + 40 + 20, 4, 0},
  };
  for (const Field& f : fields) EXPECT_EQ(Read(file, f.at, f.bytes), f.expected) << f.what;
  EXPECT_EQ(file.size(), first + small_bytes + 40 + 256 * 4 + 32);

  std::optional<Surface> too_large = Surface::Create(257, 1);
  EXPECT_TRUE(EncodeIcon({&*too_large}).empty());
  EXPECT_TRUE(EncodeIcon({}).empty());
}

}  // namespace
}  // namespace corvane::gfx
