// Corvane.dll as any Windows program loads it: by LoadLibrary, with the system's own device
// contexts, and nothing exported by the program that loads it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "abi/gpx_metallic.h"
#include "effect/metallic_kernel.h"

namespace corvane {
namespace {

constexpr int kWidth = 9;
constexpr int kHeight = 5;

// The library beside the folder of the test programs, where the build puts it.
std::wstring LibraryPath() {
  wchar_t own[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, own, MAX_PATH);
  std::wstring path(own);
  path.resize(path.find_last_of(L'\\'));
  path.resize(path.find_last_of(L'\\') + 1);
  return path + L"Corvane.dll";
}

// A memory device context with a top-down 32-bit DIB section of kWidth x kHeight selected into
// it, as the program makes its pictures.
struct DibContext {
  DibContext() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc = CreateCompatibleDC(nullptr);
    bitmap =
        CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    stock = SelectObject(dc, bitmap);
  }
  ~DibContext() {
    SelectObject(dc, stock);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  DibContext(const DibContext&) = delete;
  DibContext& operator=(const DibContext&) = delete;

  std::uint32_t Handle() const {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(dc));
  }

  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ stock = nullptr;
  std::uint32_t* bits = nullptr;
};

TEST(Win32Effect, RendersTheSystemsBitmapsAndRefusesAContextWithoutOne) {
  HMODULE library = LoadLibraryW(LibraryPath().c_str());
  ASSERT_NE(library, nullptr);
  const auto metallic = reinterpret_cast<GPX_MetallicProc>(
      reinterpret_cast<void*>(GetProcAddress(library, "GPX_Metallic")));
  ASSERT_NE(metallic, nullptr);

  // What the rendering gives on plain memory.
  std::vector<std::uint32_t> picture(kWidth * kHeight);
  for (std::size_t i = 0; i < picture.size(); ++i) picture[i] = 0x00102030u * (i % 7) + i;
  std::vector<std::uint32_t> expected(picture.size());
  const PixelRows from{picture.data(), kWidth, kHeight, kWidth * 4};
  const PixelRows to{expected.data(), kWidth, kHeight, kWidth * 4};
  RenderMetallic(from, to, MetallicLook{4, 17, Metal::kGold});

  const DibContext source;
  const DibContext destination;
  std::memcpy(source.bits, picture.data(), picture.size() * 4);
  std::int32_t result = -1;
  EXPECT_EQ(metallic(destination.Handle(), source.Handle(), 4, 17, 2, &result), GPX_OK);
  EXPECT_EQ(result, GPX_OK);
  EXPECT_EQ(std::memcmp(destination.bits, expected.data(), expected.size() * 4), 0);

  HDC bare = CreateCompatibleDC(nullptr);
  const auto bare_handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(bare));
  EXPECT_EQ(metallic(bare_handle, source.Handle(), 4, 0, 1, nullptr), GPX_ERROR_HANDLE)
      << "a context with only its stock bitmap has no pixels to reach";
  DeleteDC(bare);
  FreeLibrary(library);
}

}  // namespace
}  // namespace corvane
