#include "tools/encode/gif_encode.h"

#include <gif_lib.h>

#include <map>

namespace corvane::gfx {

namespace {

int WriteToVector(GifFileType* gif, const GifByteType* bytes, int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out->insert(out->end(), bytes, bytes + length);
  return length;
}

struct Indexed {
  std::vector<GifColorType> colours;
  std::vector<GifByteType> pixels;
};

// The surface's own colours when there are few enough, in order of first appearance.
std::optional<Indexed> ExactPalette(const Surface& surface) {
  Indexed out;
  std::map<Pixel, GifByteType> index_of;
  out.pixels.reserve(static_cast<std::size_t>(surface.width()) * surface.height());
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      const Pixel p = surface.Row(y)[x] & 0x00FFFFFF;
      auto [it, added] = index_of.emplace(p, static_cast<GifByteType>(out.colours.size()));
      if (added) {
        if (out.colours.size() == 256) return std::nullopt;
        out.colours.push_back(GifColorType{static_cast<GifByteType>(p >> 16),
                                           static_cast<GifByteType>(p >> 8),
                                           static_cast<GifByteType>(p)});
      }
      out.pixels.push_back(it->second);
    }
  }
  return out;
}

std::optional<Indexed> ReducedPalette(const Surface& surface) {
  const std::size_t count = static_cast<std::size_t>(surface.width()) * surface.height();
  std::vector<GifByteType> red(count), green(count), blue(count);
  std::size_t i = 0;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x, ++i) {
      const Pixel p = surface.Row(y)[x];
      red[i] = static_cast<GifByteType>(p >> 16);
      green[i] = static_cast<GifByteType>(p >> 8);
      blue[i] = static_cast<GifByteType>(p);
    }
  }
  Indexed out;
  int size = 256;
  out.colours.resize(256);
  out.pixels.resize(count);
  if (GifQuantizeBuffer(static_cast<unsigned>(surface.width()),
                        static_cast<unsigned>(surface.height()), &size, red.data(), green.data(),
                        blue.data(), out.pixels.data(), out.colours.data()) == GIF_ERROR) {
    return std::nullopt;
  }
  out.colours.resize(static_cast<std::size_t>(size));
  return out;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeGif(const Surface& surface) {
  if (surface.empty()) return std::nullopt;
  std::optional<Indexed> indexed = ExactPalette(surface);
  if (!indexed) indexed = ReducedPalette(surface);
  if (!indexed) return std::nullopt;
  // A colour map's size is a power of two of at least 2.
  int bits = 1;
  while ((1U << bits) < indexed->colours.size()) ++bits;
  indexed->colours.resize(std::size_t{1} << bits, GifColorType{0, 0, 0});

  std::vector<std::uint8_t> bytes;
  int error = 0;
  GifFileType* gif = EGifOpen(&bytes, WriteToVector, &error);
  if (gif == nullptr) return std::nullopt;
  ColorMapObject* map = GifMakeMapObject(1 << bits, indexed->colours.data());
  bool ok =
      map != nullptr &&
      EGifPutScreenDesc(gif, surface.width(), surface.height(), bits, 0, map) == GIF_OK &&
      EGifPutImageDesc(gif, 0, 0, surface.width(), surface.height(), false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < surface.height(); ++y) {
    ok = EGifPutLine(gif, indexed->pixels.data() + static_cast<std::size_t>(y) * surface.width(),
                     surface.width()) == GIF_OK;
  }
  GifFreeMapObject(map);
  if (EGifCloseFile(gif, &error) != GIF_OK) ok = false;
  if (!ok) return std::nullopt;
  return bytes;
}

}  // namespace corvane::gfx
