#include <gtest/gtest.h>

#include "tests/support/platform_test.h"
#include "winapi/gdi32.h"

namespace corvane::platform {
namespace {

BITMAPINFO Format(int width, int height, int bit_count = 32, std::uint32_t compression = kBiRgb) {
  BITMAPINFO info;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biBitCount = static_cast<std::uint16_t>(bit_count);
  info.bmiHeader.biCompression = compression;
  return info;
}

using GdiObjectsTest = test_support::PlatformTest;

TEST_F(GdiObjectsTest, AContextDrawsOnTheSelectedBitmapsPixelsAndHandsBackThePreviousOne) {
  const HDC hdc = CreateCompatibleDC(0);
  const BITMAPINFO info = Format(3, -2);
  void* first_bits = nullptr;
  void* second_bits = nullptr;
  const HBITMAP first = CreateDIBSection(hdc, &info, kDibRgbColors, &first_bits, 0, 0);
  const HBITMAP second = CreateDIBSection(hdc, &info, kDibRgbColors, &second_bits, 0, 0);
  ASSERT_NE(first_bits, nullptr);
  const auto* first_pixels = static_cast<const gfx::Pixel*>(first_bits);
  EXPECT_EQ(first_pixels[5], 0u) << "a new bitmap is black";

  const HGDIOBJ stock = SelectObject(hdc, first);
  EXPECT_NE(stock, 0u);
  EXPECT_EQ(SelectObject(hdc, second), first);
  EXPECT_EQ(GetPixel(hdc, 2, 1), gfx::Rgb(0, 0, 0));

  EXPECT_FALSE(DeleteObject(second)) << "a selected bitmap stays";
  EXPECT_FALSE(DeleteObject(stock)) << "the stock bitmap stays";
  EXPECT_EQ(SelectObject(hdc, stock), second);
  EXPECT_TRUE(DeleteObject(first));
  EXPECT_TRUE(DeleteObject(second));
  EXPECT_FALSE(DeleteObject(second)) << "deleted once only";
  EXPECT_EQ(windows_.released_images, 2) << "the images go back to the window service";

  EXPECT_TRUE(DeleteDC(hdc));
  EXPECT_FALSE(DeleteDC(hdc));
  EXPECT_EQ(SelectObject(hdc, stock), 0u) << "a deleted context selects nothing";
}

TEST_F(GdiObjectsTest, OnlyTopDown32BitPixelsWithoutASectionAreMade) {
  struct Case {
    const char* what;
    BITMAPINFO info;
    std::uint32_t usage;
    std::uintptr_t section;
  };
  const Case cases[] = {
      {"bottom-up rows", Format(4, 4), kDibRgbColors, 0},
      {"24-bit pixels", Format(4, -4, 24), kDibRgbColors, 0},
      {"compressed", Format(4, -4, 32, 3), kDibRgbColors, 0},
      {"palette indices", Format(4, -4), 1, 0},
      {"a file mapping", Format(4, -4), kDibRgbColors, 0x1234},
      {"no width", Format(0, -4), kDibRgbColors, 0},
  };
  for (const Case& c : cases) {
    void* bits = &windows_;
    EXPECT_EQ(CreateDIBSection(0, &c.info, c.usage, &bits, c.section, 0), 0u) << c.what;
    EXPECT_EQ(bits, nullptr) << c.what;
  }
}

TEST_F(GdiObjectsTest, PensAndBrushesAreSelectedAndDeletedLikeBitmaps) {
  const HDC hdc = CreateCompatibleDC(0);
  const BITMAPINFO info = Format(4, -4);
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(hdc, &info, kDibRgbColors, &bits, 0, 0);
  const HGDIOBJ stock_bitmap = SelectObject(hdc, bitmap);
  const gfx::ColorRef red = gfx::Rgb(255, 0, 0), blue = gfx::Rgb(0, 0, 255);
  const HPEN pen = CreatePen(kPsSolid, 1, red);
  const HBRUSH brush = CreateSolidBrush(blue);

  EXPECT_EQ(SelectObject(hdc, pen), GetStockObject(kBlackPen)) << "a context starts with it";
  EXPECT_EQ(SelectObject(hdc, brush), GetStockObject(kWhiteBrush));
  EXPECT_EQ(SelectObject(hdc, bitmap), bitmap) << "a pen leaves the bitmap selected";

  EXPECT_FALSE(DeleteObject(pen)) << "a selected pen stays";
  EXPECT_EQ(SelectObject(hdc, GetStockObject(kNullPen)), pen);
  EXPECT_EQ(SelectObject(hdc, GetStockObject(kNullBrush)), brush);
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_EQ(SelectObject(hdc, pen), 0u) << "a deleted pen names nothing";
  EXPECT_FALSE(DeleteObject(GetStockObject(kBlackPen))) << "stock objects stay";
  EXPECT_EQ(CreatePen(kPsSolid, 2, red), 0u) << "only one pixel wide";
  EXPECT_EQ(CreatePen(1, 1, red), 0u) << "only solid or null";

  SelectObject(hdc, stock_bitmap);
  DeleteObject(bitmap);
  DeleteDC(hdc);
}

}  // namespace
}  // namespace corvane::platform
