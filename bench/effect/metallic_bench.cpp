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

}  // namespace
}  // namespace corvane
