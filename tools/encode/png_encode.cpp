#include "tools/encode/png_encode.h"

#include <png.h>

namespace corvane::gfx {

namespace {

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

// The output lives in memory, so there is nothing to flush.
void NoFlush(png_structp) {}

// libpng reports failures by jumping back to the setjmp here. Everything with a destructor (the
// output and the row buffer) belongs to the caller, so the jump never skips one.
bool Compress(png_structp png, png_infop info, const Surface& surface, png_bytep row,
              std::vector<std::uint8_t>* out) {
  if (setjmp(png_jmpbuf(png)) != 0) return false;
  png_set_write_fn(png, out, &AppendBytes, &NoFlush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(surface.width()),
               static_cast<png_uint_32>(surface.height()), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < surface.height(); ++y) {
    const Pixel* in = surface.Row(y);
    for (int x = 0; x < surface.width(); ++x) {
      row[3 * x] = static_cast<png_byte>((in[x] >> 16) & 0xFF);
      row[3 * x + 1] = static_cast<png_byte>((in[x] >> 8) & 0xFF);
      row[3 * x + 2] = static_cast<png_byte>(in[x] & 0xFF);
    }
    png_write_row(png, row);
  }
  png_write_end(png, info);
  return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodePng(const Surface& surface) {
  if (surface.empty()) return std::nullopt;
  std::vector<std::uint8_t> out;
  std::vector<png_byte> row(static_cast<std::size_t>(surface.width()) * 3);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return std::nullopt;
  png_infop info = png_create_info_struct(png);
  const bool written = info != nullptr && Compress(png, info, surface, row.data(), &out);
  png_destroy_write_struct(&png, &info);
  if (!written) return std::nullopt;
  return out;
}

}  // namespace corvane::gfx
