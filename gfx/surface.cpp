#include "gfx/surface.h"

#include <algorithm>

namespace corvane::gfx {

namespace {
bool ValidSize(int width, int height) {
  return width >= 1 && height >= 1 && width <= Surface::kMaxDimension &&
         height <= Surface::kMaxDimension;
}
}  // namespace

std::optional<Surface> Surface::Create(int width, int height) {
  if (!ValidSize(width, height)) return std::nullopt;
  const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  // A large block comes from the system as fresh pages, which are zero already: calloc then
  // makes no pass over the memory, which on a full-screen surface is a noticeable delay.
  OwnedPixels owned(static_cast<Pixel*>(std::calloc(count, sizeof(Pixel))));
  if (!owned) return std::nullopt;
  Pixel* pixels = owned.get();
  return Surface(std::move(owned), pixels, width, height, width * static_cast<int>(sizeof(Pixel)));
}

std::optional<Surface> Surface::Wrap(Pixel* pixels, int width, int height, int pitch_bytes) {
  if (pixels == nullptr || !ValidSize(width, height)) return std::nullopt;
  if (pitch_bytes < width * static_cast<int>(sizeof(Pixel))) return std::nullopt;
  return Surface(nullptr, pixels, width, height, pitch_bytes);
}

std::optional<Surface> Surface::View(const Rect& area) {
  if (area.Empty() || area.Intersect(Rect{0, 0, width_, height_}) != area) return std::nullopt;
  return Wrap(Row(area.top) + area.left, area.Width(), area.Height(), pitch_);
}

void Surface::Fill(ColorRef color) {
  const Pixel pixel = ToPixel(color);
  for (int y = 0; y < height_; ++y) std::fill_n(Row(y), width_, pixel);
}

Surface Surface::Clone() const {
  std::optional<Surface> copy = Create(width_, height_);
  if (!copy) return Surface();
  for (int y = 0; y < height_; ++y) std::copy_n(Row(y), width_, copy->Row(y));
  return std::move(*copy);
}

}  // namespace corvane::gfx
