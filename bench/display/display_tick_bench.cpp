#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "display/corvane_s.h"
#include "gfx/blit.h"
#include "os/capture.h"
#include "platform/fake/fake_platform.h"
#include "platform/posix/dlopen_libraries.h"
#include "platform/posix/posix_runtime.h"

namespace corvane {
namespace {

using namespace platform;

// A busy desktop, so that the effect has edges and gradients to work on.
class PatternScreen final : public CaptureService {
 public:
  bool CaptureScreen(const Rect& source, gfx::Surface& destination, int dst_x, int dst_y) override {
    for (int y = 0; y < source.Height(); ++y) {
      if (y + dst_y >= destination.height()) break;
      for (int x = 0; x < source.Width() && x + dst_x < destination.width(); ++x) {
        destination.Row(y + dst_y)[x + dst_x] =
            static_cast<gfx::Pixel>(((x + source.left) * 2654435761u) ^ ((y + source.top) << 9)) &
            0x00FFFFFF;
      }
    }
    return true;
  }
  bool CaptureHostPicture(HWND, gfx::Surface&) override { return false; }
};

// One animation tick of the display form on a 1920 x 1080 screen at 96 dpi with the real effect
// library from the build folder: the effect over the strip, drawn where it is shown, and the
// columns the strip leaves.
// Display is hidden, so no presenting is measured: the window system's share is the X server's,
// not ours.
void BM_DisplayTick(benchmark::State& state) {
  fake::FakePlatform fakes;
  fakes.windows().SetScreen({1920, 1080}, 96);
  fakes.Replace<CaptureService>(std::make_unique<PatternScreen>());
  fakes.Replace<DynamicLibraries>(std::make_unique<DlopenLibraries>());
  fakes.runtime().argument_text = "/s";
  fakes.runtime().program_folder = PosixRuntime::FromMain(0, nullptr).ProgramFolder();

  auto form = std::make_unique<Corvane_S>();
  form->Load();
  form->Display.SetVisible(false);
  // Start with the strip in the middle of the screen, where all of it is drawn.
  while (form->StripLeft < 800) form->Timer3_Timer();
  // Between two ticks of the running saver, 15.6 ms apart, other work on the machine evicts the
  // caches: with a nonzero argument each tick starts with them holding nothing of the images.
  std::vector<char> evict(state.range(0) != 0 ? std::size_t{64} << 20 : 0);
  for (auto _ : state) {
    if (!evict.empty()) {
      state.PauseTiming();
      for (std::size_t i = 0; i < evict.size(); i += 64) evict[i] = static_cast<char>(evict[i] + 1);
      benchmark::ClobberMemory();
      state.ResumeTiming();
    }
    form->Timer3_Timer();
    benchmark::DoNotOptimize(form->Display.Image().Row(0));
  }
}
BENCHMARK(BM_DisplayTick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// What composing each frame the literal way adds to a tick, for comparison: the whole capture
// copied onto the display, then the 171-pixel strip over it, at 1920 x 1080.
void BM_WholeScreenCompose(benchmark::State& state) {
  auto capture = gfx::Surface::Create(1920, 1080);
  auto display = gfx::Surface::Create(1920, 1080);
  auto strip = gfx::Surface::Create(171, 1080);
  for (auto _ : state) {
    gfx::Blit(*display, 0, 0, 1920, 1080, *capture, 0, 0);
    gfx::Blit(*display, 800, 0, 171, 1080, *strip, 0, 0);
    benchmark::DoNotOptimize(display->Row(0));
  }
}
BENCHMARK(BM_WholeScreenCompose)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane
