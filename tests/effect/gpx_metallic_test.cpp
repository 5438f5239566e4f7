// The library as the program uses it: Corvane.dll from the build folder, loaded through the
// dynamic-library service, reaching two registered surfaces through the drawing services this test
// program exports.
#include "abi/gpx_metallic.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/api/effect_library.h"
#include "platform/gfx/device_context.h"
#include "platform/posix/dlopen_libraries.h"
#include "tests/platform/gfx/raster_test_util.h"
#include "tests/support/temp_folder.h"

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
  explicit Bitmap(Surface pixels) : surface(std::move(pixels)) {
    hdc = DeviceContexts::Register(&surface);
  }
  Bitmap(int width, int height) : Bitmap(*Surface::Create(width, height)) {}
  ~Bitmap() { DeviceContexts::Release(hdc); }
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;
  std::vector<std::uint32_t> Pixels() const { return gfx::test::PixelsOf(surface); }

  Surface surface;
  HDC hdc = 0;
};

TEST(DlopenLibraries, LoadsCountsAndRefusesPlainly) {
  platform::DlopenLibraries loader;
  const platform::HMODULE module = loader.LoadLibraryA(LibraryPath());
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(loader.LoadLibraryA(LibraryPath()), module) << "a second load is the same module";
  EXPECT_NE(loader.GetProcAddress(module, "GPX_Metallic"), nullptr);
  EXPECT_EQ(loader.GetProcAddress(module, "RenderMetallic"), nullptr) << "only the entry point";
  EXPECT_EQ(loader.GetProcAddress(nullptr, "GPX_Metallic"), nullptr);
  EXPECT_TRUE(loader.FreeLibrary(module) && loader.FreeLibrary(module));
  EXPECT_FALSE(loader.FreeLibrary(nullptr));
  EXPECT_EQ(loader.LoadLibraryA("/nonexistent/Corvane.dll"), nullptr);
  EXPECT_EQ(loader.LoadLibraryA("/etc/hostname"), nullptr) << "not a library";
  test_support::TempFolder temp;
  ::mkfifo((temp / "Corvane.dll").c_str(), 0600);
  // Opening a FIFO would wait for a writer that never comes; the alarm ends that wait.
  EXPECT_EXIT(
      {
        alarm(5);
        _exit(loader.LoadLibraryA(temp / "Corvane.dll") == nullptr ? 0 : 3);
      },
      testing::ExitedWithCode(0), "")
      << "a FIFO is no library";
}

// A strip of squares on a gradient, and a destination filled with a colour the effect never makes,
// rendered by the library loaded from the build folder.
class GpxMetallic : public testing::Test {
 protected:
  void MakeStrip(int width, int height) {
    source_.emplace(width, height);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        source_->surface.Row(y)[x] = (x / 9 + y / 9) % 2 != 0 ? 0x00E0E0E0u : 0x00102040u + x;
      }
    }
    destination_.emplace(width, height);
    destination_->surface.Fill(0x00FF00FF);
  }

  std::int32_t Call(HDC to, HDC from, std::int32_t phase, std::int32_t variant,
                    std::int32_t* result) {
    return library_->GPX_Metallic(to, from, 4, phase, variant, result);
  }

  std::vector<std::uint32_t> Frame(std::int32_t phase, std::int32_t variant) {
    std::int32_t result = -1;
    EXPECT_EQ(Call(destination_->hdc, source_->hdc, phase, variant, &result), GPX_OK);
    EXPECT_EQ(result, GPX_OK);
    return destination_->Pixels();
  }

  platform::DlopenLibraries loader_;
  platform::ScopedService<platform::DynamicLibraries> service_{loader_};
  std::optional<platform::EffectLibrary> library_ = platform::EffectLibrary::Load(LibraryPath());
  std::optional<Bitmap> source_;
  std::optional<Bitmap> destination_;
};

// The bytes themselves, in place too, are compared with the reference in the row tests. Here: every
// pixel of the destination is written, the source is only read, phase and metal reach the
// rendering.
TEST_F(GpxMetallic, RendersEveryPixelByPhaseAndMetal) {
  ASSERT_TRUE(library_.has_value()) << "cannot load " << LibraryPath();
  for (auto [width, height] : {std::pair{1, 1}, {171, 300}}) {
    MakeStrip(width, height);
    const auto source_before = source_->Pixels();
    const auto frame = Frame(93, 2);
    EXPECT_EQ(std::count(frame.begin(), frame.end(), 0x00FF00FFu), 0) << width << "x" << height;
    EXPECT_EQ(source_->Pixels(), source_before);
  }
  const std::set<std::vector<std::uint32_t>> frames = {Frame(0, 1), Frame(1, 1), Frame(0, 2),
                                                       Frame(0, 3), source_->Pixels()};
  EXPECT_EQ(frames.size(), 5u);
}

TEST_F(GpxMetallic, RefusesWhatItCannotRenderAndLeavesTheDestinationAlone) {
  ASSERT_TRUE(library_.has_value()) << "cannot load " << LibraryPath();
  MakeStrip(171, 100);
  Bitmap narrower(170, 100);
  Bitmap shorter(171, 99);
  HDC released = Bitmap(171, 100).hdc;
  const HDC dst = destination_->hdc;
  const HDC src = source_->hdc;
  const std::tuple<const char*, HDC, HDC, std::int32_t, std::int32_t> cases[] = {
      {"unknown destination", 0x7FFFFFFF, src, 1, GPX_ERROR_HANDLE},
      {"released source", dst, released, 1, GPX_ERROR_HANDLE},
      {"narrower source", dst, narrower.hdc, 1, GPX_ERROR_SIZE},
      {"shorter source", dst, shorter.hdc, 1, GPX_ERROR_SIZE},
      {"variant 0", dst, src, 0, GPX_ERROR_VARIANT},
      {"variant 4", dst, src, 4, GPX_ERROR_VARIANT},
  };
  const auto before = destination_->Pixels();
  for (const auto& [what, to, from, variant, status] : cases) {
    std::int32_t result = -1;
    EXPECT_EQ(Call(to, from, 7, variant, &result), status) << what;
    EXPECT_EQ(result, status) << what;
    EXPECT_EQ(Call(to, from, 7, variant, nullptr), status) << what;
    EXPECT_EQ(destination_->Pixels(), before) << what;
  }
}

}  // namespace
}  // namespace corvane
