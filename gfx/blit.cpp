#include "gfx/blit.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace corvane::gfx {

namespace {

// The destination positions [first, last) along one axis that lie inside the copied block, inside
// the destination, and whose source position (destination + shift) lies inside the source. All in
// 64 bits, so that origin + extent cannot overflow.
struct AxisClip {
  std::int64_t first;
  std::int64_t last;
  std::int64_t shift;
};

AxisClip ClipAxis(int origin, int extent, int dst_size, int src_origin, int src_size) {
  const std::int64_t shift = std::int64_t{src_origin} - origin;
  const std::int64_t first = std::max({std::int64_t{origin}, std::int64_t{0}, -shift});
  const std::int64_t last =
      std::min({std::int64_t{origin} + extent, std::int64_t{dst_size}, src_size - shift});
  return {first, last, shift};
}

}  // namespace

bool Blit(Surface& dst, int x, int y, int width, int height, const Surface& src, int src_x,
          int src_y) {
  if (width <= 0 || height <= 0) return false;
  const AxisClip cols = ClipAxis(x, width, dst.width(), src_x, src.width());
  const AxisClip rows = ClipAxis(y, height, dst.height(), src_y, src.height());
  if (cols.first >= cols.last || rows.first >= rows.last) return false;

  // From here on every position lies inside both surfaces, so it fits an int.
  const int dst_col = static_cast<int>(cols.first);
  const int src_col = static_cast<int>(cols.first + cols.shift);
  const std::size_t row_bytes = static_cast<std::size_t>(cols.last - cols.first) * sizeof(Pixel);
  const int first_row = static_cast<int>(rows.first);
  const int last_row = static_cast<int>(rows.last);
  const int row_shift = static_cast<int>(rows.shift);

  // When the block moves to a later address within shared memory, copying from the bottom row up
  // reads every source row before the copy overwrites it; memmove does the same within a row.
  const auto dst_start = reinterpret_cast<std::uintptr_t>(dst.Row(first_row) + dst_col);
  const auto src_start = reinterpret_cast<std::uintptr_t>(src.Row(first_row + row_shift) + src_col);
  if (dst_start > src_start) {
    for (int row = last_row - 1; row >= first_row; --row) {
      std::memmove(dst.Row(row) + dst_col, src.Row(row + row_shift) + src_col, row_bytes);
    }
  } else {
    for (int row = first_row; row < last_row; ++row) {
      std::memmove(dst.Row(row) + dst_col, src.Row(row + row_shift) + src_col, row_bytes);
    }
  }
  return true;
}

}  // namespace corvane::gfx
