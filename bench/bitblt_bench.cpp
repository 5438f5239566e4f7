#include <benchmark/benchmark.h>

#include <cstdint>

#include "gfx/blit.h"

namespace corvane::gfx {
namespace {

Surface MakeSurface(int width, int height, ColorRef color) {
  Surface surface = std::move(*Surface::Create(width, height));
  surface.Fill(color);
  return surface;
}

void ReportBytes(benchmark::State& state, int width, int height) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * width * height *
                          static_cast<std::int64_t>(sizeof(Pixel)));
}

// The background step of every display tick: the whole capture onto the display, with extents in
// twips as the program passes them.
void BM_BlitFullFrame(benchmark::State& state) {
  const Surface capture = MakeSurface(1920, 1080, Rgb(10, 20, 30));
  Surface display = MakeSurface(1920, 1080, 0);
  for (auto _ : state) {
    Blit(display, 0, 0, 1920 * 15, 1080 * 15, capture, 0, 0);
    benchmark::DoNotOptimize(display.Row(0));
    benchmark::ClobberMemory();
  }
  ReportBytes(state, 1920, 1080);
}
BENCHMARK(BM_BlitFullFrame);

// The raw strip step: 171 columns, the strip at 15 twips per pixel, out of the middle of the
// capture.
void BM_BlitStrip(benchmark::State& state) {
  const Surface capture = MakeSurface(1920, 1080, Rgb(10, 20, 30));
  Surface strip = MakeSurface(171, 1080, 0);
  for (auto _ : state) {
    Blit(strip, 0, 0, 2560, 1080 * 15, capture, 874, 0);
    benchmark::DoNotOptimize(strip.Row(0));
    benchmark::ClobberMemory();
  }
  ReportBytes(state, 171, 1080);
}
BENCHMARK(BM_BlitStrip);

}  // namespace
}  // namespace corvane::gfx
