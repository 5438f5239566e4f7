#include "resources/scene/area_reduce.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace corvane {

namespace {

// The source pixels that make up one output pixel along one axis and the weight of each. Measured
// in units of 1/to of a source pixel, source pixel j spans [j * to, (j + 1) * to) and output pixel
// i spans [i * from, (i + 1) * from); the weights are the lengths of the overlaps and add up to
// `from` for every output pixel.
struct Span {
  int first = 0;
  std::vector<std::uint32_t> weights;
};

std::vector<Span> Spans(int from, int to) {
  std::vector<Span> spans(static_cast<std::size_t>(to));
  for (int i = 0; i < to; ++i) {
    const std::int64_t begin = std::int64_t{i} * from;
    const std::int64_t end = begin + from;
    Span& span = spans[static_cast<std::size_t>(i)];
    span.first = static_cast<int>(begin / to);
    for (std::int64_t j = span.first; j * to < end; ++j) {
      const std::int64_t overlap = std::min(end, (j + 1) * to) - std::max(begin, j * to);
      span.weights.push_back(static_cast<std::uint32_t>(overlap));
    }
  }
  return spans;
}

}  // namespace

std::optional<gfx::Surface> ReduceByArea(const gfx::Surface& source, int width, int height) {
  if (source.empty() || width < 1 || height < 1 || width > source.width() ||
      height > source.height()) {
    return std::nullopt;
  }
  std::optional<gfx::Surface> result = gfx::Surface::Create(width, height);
  if (!result) return std::nullopt;

  const std::vector<Span> columns = Spans(source.width(), width);
  const std::vector<Span> rows = Spans(source.height(), height);
  // Horizontal sums of one source row, per output column and channel; at most 255 x 16384 each.
  std::vector<std::array<std::uint32_t, 3>> row_sums(static_cast<std::size_t>(width));
  std::vector<std::array<std::uint64_t, 3>> sums(static_cast<std::size_t>(width));
  const std::uint64_t total =
      static_cast<std::uint64_t>(source.width()) * static_cast<std::uint64_t>(source.height());

  for (int y = 0; y < height; ++y) {
    std::fill(sums.begin(), sums.end(), std::array<std::uint64_t, 3>{});
    const Span& row_span = rows[static_cast<std::size_t>(y)];
    for (std::size_t k = 0; k < row_span.weights.size(); ++k) {
      const gfx::Pixel* in = source.Row(row_span.first + static_cast<int>(k));
      for (int x = 0; x < width; ++x) {
        const Span& column_span = columns[static_cast<std::size_t>(x)];
        std::array<std::uint32_t, 3> acc{};
        for (std::size_t m = 0; m < column_span.weights.size(); ++m) {
          const gfx::Pixel p = in[column_span.first + static_cast<int>(m)];
          const std::uint32_t w = column_span.weights[m];
          acc[0] += ((p >> 16) & 0xFF) * w;
          acc[1] += ((p >> 8) & 0xFF) * w;
          acc[2] += (p & 0xFF) * w;
        }
        row_sums[static_cast<std::size_t>(x)] = acc;
      }
      const std::uint64_t row_weight = row_span.weights[k];
      for (int x = 0; x < width; ++x) {
        for (int c = 0; c < 3; ++c) {
          sums[static_cast<std::size_t>(x)][c] +=
              row_sums[static_cast<std::size_t>(x)][c] * row_weight;
        }
      }
    }
    gfx::Pixel* out = result->Row(y);
    for (int x = 0; x < width; ++x) {
      const auto& s = sums[static_cast<std::size_t>(x)];
      auto channel = [total](std::uint64_t sum) {
        return static_cast<gfx::Pixel>((sum + total / 2) / total);
      };
      out[x] = channel(s[0]) << 16 | channel(s[1]) << 8 | channel(s[2]);
    }
  }
  return result;
}

}  // namespace corvane
