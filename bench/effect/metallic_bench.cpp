#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "effect/metallic_kernel.h"

namespace corvane {
namespace {

// One tick's effect on the strip of a 1080-line screen at 96 dpi (171 columns) and of a 2160-line
// screen at 120 dpi (213 columns), over noise so that no branch is predictable.
void BM_RenderMetallic(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  const auto path = static_cast<metallic::RowPath>(state.range(2));
  std::vector<std::uint32_t> source(static_cast<std::size_t>(width) * height);
  std::uint32_t seed = 12345;
  for (auto& p : source) {
    seed = seed * 1664525u + 1013904223u;
    p = seed >> 8;
  }
  std::vector<std::uint32_t> destination(source.size());
  const PixelRows from{source.data(), width, height, width * 4};
  const PixelRows to{destination.data(), width, height, width * 4};
  int phase = 0;
  for (auto _ : state) {
    RenderMetallic(from, to, {4, phase, static_cast<Metal>(1 + phase % 3)}, path);
    phase = (phase + 1) & 255;
    benchmark::DoNotOptimize(destination.data());
  }
  state.counters["ns_per_pixel"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * width * height,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RenderMetallic)->ArgsProduct({{171}, {1080}, {0, 1}})->Args({213, 2160, 1});

// The same strip as the saver renders it: its rows a 1920-pixel screen's pitch apart, each in a
// page of its own, and the caches emptied before each frame as the rest of the machine empties them
// between two ticks.
void BM_RenderMetallicOnScreenRows(benchmark::State& state) {
  constexpr int kWidth = 171;
  constexpr int kHeight = 1080;
  constexpr int kPitch = 1920;
  std::vector<std::uint32_t> capture(std::size_t{kPitch} * kHeight, 0x00805030u);
  std::vector<std::uint32_t> frame(capture.size());
  std::vector<char> evict(std::size_t{64} << 20);
  int phase = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (std::size_t i = 0; i < evict.size(); i += 64) evict[i] = static_cast<char>(evict[i] + 1);
    benchmark::ClobberMemory();
    state.ResumeTiming();
    RenderMetallic({capture.data() + 800, kWidth, kHeight, kPitch * 4},
                   {frame.data() + 800, kWidth, kHeight, kPitch * 4}, {4, phase, Metal::kSteel});
    phase = (phase + 1) & 255;
    benchmark::DoNotOptimize(frame.data());
  }
}
BENCHMARK(BM_RenderMetallicOnScreenRows)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane
