#include "platform/gfx/surface.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane::gfx {
namespace {

TEST(Surface, CreateRejectsSizesOutsideTheLimits) {
  for (auto [w, h] : {std::pair{0, 1},
                      {1, 0},
                      {-5, 10},
                      {10, -5},
                      {Surface::kMaxDimension + 1, 1},
                      {1, Surface::kMaxDimension + 1}}) {
    EXPECT_FALSE(Surface::Create(w, h).has_value()) << w << "x" << h;
  }
}

TEST(Surface, NewSurfaceIsBlackAndFillUsesPixelLayout) {
  auto s = Surface::Create(3, 2);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->pitch(), 12);
  EXPECT_EQ(s->Row(1)[2], 0u);
  s->Fill(Rgb(0x11, 0x22, 0x33));
  // Stored as 0x00RRGGBB: blue in the lowest byte, as a TrueColor X image expects.
  EXPECT_EQ(s->Row(1)[2], 0x00112233u);
  EXPECT_EQ(ToColorRef(s->Row(0)[0]), Rgb(0x11, 0x22, 0x33));
}

TEST(Surface, WrapUsesTheCallersMemoryAndPitch) {
  std::vector<Pixel> memory(4 * 3, 0xDEADBEEF);  // 3 rows of 4 pixels, surface 2 wide
  auto s = Surface::Wrap(memory.data(), 2, 3, 16);
  ASSERT_TRUE(s);
  s->Fill(Rgb(0, 0, 0xFF));
  EXPECT_EQ(memory[4], 0x000000FFu);
  EXPECT_EQ(memory[5], 0x000000FFu);
  EXPECT_EQ(memory[6], 0xDEADBEEFu) << "pixels past the width belong to the owner";
  EXPECT_FALSE(Surface::Wrap(memory.data(), 5, 1, 16)) << "a pitch shorter than a row";
  EXPECT_FALSE(Surface::Wrap(nullptr, 1, 1, 4));
}

TEST(Surface, CloneOwnsACopyOfTheVisiblePixelsOnly) {
  std::vector<Pixel> memory(4 * 2, 0xDEADBEEF);
  auto wrapped = Surface::Wrap(memory.data(), 3, 2, 16);
  ASSERT_TRUE(wrapped);
  wrapped->Row(1)[2] = 0x00ABCDEF;
  Surface copy = wrapped->Clone();
  ASSERT_EQ(copy.width(), 3);
  ASSERT_EQ(copy.height(), 2);
  EXPECT_EQ(copy.pitch(), 12) << "the copy is packed, not the wrapped memory's pitch";
  EXPECT_EQ(copy.Row(1)[2], 0x00ABCDEFu);
  memory[6] = 0;
  EXPECT_EQ(copy.Row(1)[2], 0x00ABCDEFu) << "the copy does not share memory";
  EXPECT_TRUE(Surface().Clone().empty());
}

}  // namespace
}  // namespace corvane::gfx
