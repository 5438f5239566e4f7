#include "gfx/surface.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane::gfx {
namespace {

TEST(Surface, CreateRejectsSizesOutsideTheLimits) {
  for (auto [w, h] : {std::pair{0, 1},
                      {1, 0},
                      {-5, 10},
                      {Surface::kMaxDimension + 1, 1},
                      {1, Surface::kMaxDimension + 1}}) {
    EXPECT_FALSE(Surface::Create(w, h).has_value()) << w << "x" << h;
  }
  auto s = Surface::Create(3, 2);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->pitch(), 12);
  EXPECT_EQ(s->Row(1)[2], 0u) << "a new surface is black";
}

TEST(Surface, WrapUsesTheCallersMemoryAndPitchAndCloneCopiesTheVisiblePixels) {
  std::vector<Pixel> memory(4 * 3, 0xDEADBEEF);  // 3 rows of 4 pixels, surface 2 wide
  auto s = Surface::Wrap(memory.data(), 2, 3, 16);
  ASSERT_TRUE(s);
  s->Fill(Rgb(0x11, 0x22, 0x33));
  // Stored as 0x00RRGGBB: blue in the lowest byte, as a TrueColor X image expects.
  EXPECT_EQ(memory[4], 0x00112233u);
  EXPECT_EQ(memory[5], 0x00112233u);
  EXPECT_EQ(memory[6], 0xDEADBEEFu) << "pixels past the width belong to the owner";
  EXPECT_FALSE(Surface::Wrap(memory.data(), 5, 1, 16)) << "a pitch shorter than a row";
  EXPECT_FALSE(Surface::Wrap(nullptr, 1, 1, 4));

  Surface copy = s->Clone();
  ASSERT_EQ(copy.width(), 2);
  ASSERT_EQ(copy.height(), 3);
  EXPECT_EQ(copy.pitch(), 8) << "the copy is packed, not the wrapped memory's pitch";
  memory[5] = 0;
  EXPECT_EQ(copy.Row(1)[1], 0x00112233u) << "the copy does not share memory";
  EXPECT_TRUE(Surface().Clone().empty());
}

TEST(Surface, AViewDrawsOnTheSurfacesOwnPixelsAndMustLieInside) {
  auto s = Surface::Create(4, 3);
  ASSERT_TRUE(s);
  auto view = s->View(Rect{1, 1, 3, 3});
  ASSERT_TRUE(view);
  EXPECT_EQ(view->width(), 2);
  view->Row(1)[1] = 7;
  EXPECT_EQ(s->Row(2)[2], 7u);
  EXPECT_EQ(s->View(Rect{0, 0, 4, 3})->Row(2)[2], 7u) << "the whole surface is inside";
  for (const Rect& outside : {Rect{-1, 0, 2, 1}, Rect{3, 0, 5, 1}, Rect{0, 2, 1, 4}, Rect{}}) {
    EXPECT_FALSE(s->View(outside)) << outside.left << "," << outside.top;
  }
}

}  // namespace
}  // namespace corvane::gfx
