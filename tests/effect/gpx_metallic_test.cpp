// The library as the program uses it: Corvane.dll from the build folder, loaded through the
// dynamic-library service, reaching two registered surfaces through the drawing services this test
// program exports.
#include "abi/gpx_metallic.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <tuple>

#include "core/effect_library.h"
#include "platform/posix/dlopen_libraries.h"
#include "tests/gfx/raster_test_util.h"
#include "winapi/emulation/device_context.h"

namespace corvane {
namespace {

using gfx::DeviceContexts;
using gfx::HDC;
using gfx::Surface;

std::string LibraryPath() {
  const char* build = std::getenv("CORVANE_BUILD_DIR");
  return std::string(build != nullptr ? build : ".") + "/" + platform::EffectLibrary::kFileName;
}

// A surface with its device context, released at the end.
struct Bitmap {
  Bitmap(int width, int height) : surface(*Surface::Create(width, height)) {
    hdc = DeviceContexts::Register(&surface);
  }
  ~Bitmap() { DeviceContexts::Release(hdc); }
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;

  Surface surface;
  HDC hdc = 0;
};

// The library loaded from the build folder refuses handles it does not know, sources of another
// size and metals it has no palette for, and then leaves the destination as it was.
TEST(GpxMetallic, RefusesWhatItCannotRenderAndLeavesTheDestinationAlone) {
  platform::DlopenLibraries loader;
  platform::ScopedService<platform::DynamicLibraries> service{loader};
  const std::optional<platform::EffectLibrary> library =
      platform::EffectLibrary::Load(LibraryPath());
  ASSERT_TRUE(library.has_value()) << "cannot load " << LibraryPath();
  Bitmap source(171, 100);
  Bitmap destination(171, 100);
  destination.surface.Fill(0x00FF00FF);
  Bitmap shorter(171, 99);
  const HDC released = Bitmap(171, 100).hdc;
  const HDC dst = destination.hdc;
  const HDC src = source.hdc;
  const std::tuple<const char*, HDC, HDC, std::int32_t, std::int32_t> cases[] = {
      {"unknown destination", 0x7FFFFFFF, src, 1, GPX_ERROR_HANDLE},
      {"released source", dst, released, 1, GPX_ERROR_HANDLE},
      {"shorter source", dst, shorter.hdc, 1, GPX_ERROR_SIZE},
      {"variant 0", dst, src, 0, GPX_ERROR_VARIANT},
      {"variant 4", dst, src, 4, GPX_ERROR_VARIANT},
  };
  const auto before = gfx::test::PixelsOf(destination.surface);
  for (const auto& [what, to, from, variant, status] : cases) {
    std::int32_t result = -1;
    EXPECT_EQ(library->GPX_Metallic(to, from, 4, 7, variant, &result), status) << what;
    EXPECT_EQ(result, status) << what;
    EXPECT_EQ(library->GPX_Metallic(to, from, 4, 7, variant, nullptr), status) << what;
    EXPECT_EQ(gfx::test::PixelsOf(destination.surface), before) << what;
  }
}

}  // namespace
}  // namespace corvane
