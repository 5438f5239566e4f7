#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>

#include "gfx/color.h"
#include "gfx/geometry.h"

namespace corvane::gfx {

// A rectangle of 32-bit pixels (layout in color.h): width, height, and a pitch in bytes between the
// starts of consecutive rows. A surface either owns its memory or wraps memory that somebody else
// owns and keeps alive (an X shared-memory segment), so presenting needs no copy.
class Surface {
 public:
  // The largest width or height a surface may have; larger requests fail instead of allocating.
  static constexpr int kMaxDimension = 16384;

  // An empty surface: no pixels, width and height 0.
  Surface() = default;

  // A new surface filled with 0 (black). Fails for sizes below 1 or above kMaxDimension, and when
  // the memory cannot be had.
  static std::optional<Surface> Create(int width, int height);

  // A surface over memory it does not own. pitch_bytes must hold a row; fails otherwise.
  static std::optional<Surface> Wrap(Pixel* pixels, int width, int height, int pitch_bytes);

  Surface(Surface&&) noexcept = default;
  Surface& operator=(Surface&&) noexcept = default;
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  int pitch() const { return pitch_; }
  bool empty() const { return width_ == 0 || height_ == 0; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Callers must stay inside 0 <= y < height.
  Pixel* Row(int y) {
    return reinterpret_cast<Pixel*>(reinterpret_cast<std::byte*>(pixels_) +
                                    static_cast<std::ptrdiff_t>(y) * pitch_);
  }
  const Pixel* Row(int y) const { return const_cast<Surface*>(this)->Row(y); }

  // Fills every pixel with one colour.
  void Fill(ColorRef color);

  // A surface over the pixels of area, which stay this surface's: drawing on either changes both.
  // Nothing when area is empty or does not lie wholly inside this surface.
  std::optional<Surface> View(const Rect& area);

  // A copy that owns its pixels; empty when this surface is empty.
  Surface Clone() const;

 private:
  struct FreePixels {
    void operator()(Pixel* pixels) const { std::free(pixels); }
  };
  using OwnedPixels = std::unique_ptr<Pixel, FreePixels>;

  Surface(OwnedPixels owned, Pixel* pixels, int width, int height, int pitch)
      : owned_(std::move(owned)), pixels_(pixels), width_(width), height_(height), pitch_(pitch) {}

  OwnedPixels owned_;
  Pixel* pixels_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int pitch_ = 0;
};

}  // namespace corvane::gfx
