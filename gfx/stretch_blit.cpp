#include "gfx/stretch_blit.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "gfx/blit.h"

namespace corvane::gfx {

namespace {

// The scaling along one axis: block index i maps to source offset floor(i * src_extent / extent).
struct AxisMap {
  std::int64_t extent;
  std::int64_t src_extent;

  std::int64_t SourceOffset(std::int64_t i) const { return i * src_extent / extent; }

  // The smallest index i >= 0 whose source offset is at least `offset`. The offset is monotonic in
  // i, and floor(i * s / e) >= k holds exactly when i >= ceil(k * e / s).
  std::int64_t FirstIndexReaching(std::int64_t offset) const {
    if (offset <= 0) return 0;
    return (offset * extent + src_extent - 1) / src_extent;
  }
};

// The block indices [first, last) whose destination lies inside dst and whose source lies inside
// src. Products stay below 2^63: offsets are below 2^31 + 2^14 and extents below 2^31.
struct AxisClip {
  std::int64_t first;
  std::int64_t last;
};

AxisClip ClipAxis(const AxisMap& map, int origin, int dst_size, int src_origin, int src_size) {
  const std::int64_t first = std::max(
      {std::int64_t{0}, -std::int64_t{origin}, map.FirstIndexReaching(-std::int64_t{src_origin})});
  const std::int64_t last = std::min({map.extent, std::int64_t{dst_size} - origin,
                                      map.FirstIndexReaching(std::int64_t{src_size} - src_origin)});
  return {first, last};
}

}  // namespace

bool StretchBlit(Surface& dst, int x, int y, int width, int height, const Surface& src, int src_x,
                 int src_y, int src_width, int src_height) {
  if (width <= 0 || height <= 0 || src_width <= 0 || src_height <= 0) return false;
  const AxisMap col_map{width, src_width};
  const AxisMap row_map{height, src_height};
  const AxisClip cols = ClipAxis(col_map, x, dst.width(), src_x, src.width());
  const AxisClip rows = ClipAxis(row_map, y, dst.height(), src_y, src.height());
  if (cols.first >= cols.last || rows.first >= rows.last) return false;

  // Copying a surface onto itself reads from a snapshot, so no pixel is read after it was written.
  const Surface* from = &src;
  std::optional<Surface> snapshot;
  if (&src == &dst) {
    snapshot = Surface::Create(src.width(), src.height());
    if (!snapshot) return false;
    Blit(*snapshot, 0, 0, src.width(), src.height(), src, 0, 0);
    from = &*snapshot;
  }

  // All indices below lie inside both surfaces once clipped, so they fit an int.
  std::vector<int> src_cols(static_cast<std::size_t>(cols.last - cols.first));
  for (std::int64_t i = cols.first; i < cols.last; ++i) {
    src_cols[static_cast<std::size_t>(i - cols.first)] =
        static_cast<int>(src_x + col_map.SourceOffset(i));
  }
  const int dst_col = static_cast<int>(x + cols.first);
  for (std::int64_t i = rows.first; i < rows.last; ++i) {
    const Pixel* src_row = from->Row(static_cast<int>(src_y + row_map.SourceOffset(i)));
    Pixel* dst_row = dst.Row(static_cast<int>(y + i)) + dst_col;
    for (std::size_t c = 0; c < src_cols.size(); ++c) dst_row[c] = src_row[src_cols[c]];
  }
  return true;
}

}  // namespace corvane::gfx
