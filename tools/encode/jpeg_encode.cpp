#include "tools/encode/jpeg_encode.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "platform/pictures/jpeg_error.h"

namespace corvane::gfx {

namespace {

// Plain data only: see JpegErrorTrap for why nothing here may have a destructor.
struct JpegEncoder {
  jpeg_compress_struct info;
  JpegErrorTrap trap;
  bool created;
  unsigned char* output;  // malloc'ed by libjpeg's memory destination
  unsigned long output_size;
};

// Callers must pass a row buffer of three bytes per pixel.
bool Compress(JpegEncoder& encoder, const Surface* surface, int quality, JSAMPLE* row) {
  if (setjmp(encoder.trap.jump) != 0) return false;
  jpeg_create_compress(&encoder.info);
  encoder.created = true;
  jpeg_mem_dest(&encoder.info, &encoder.output, &encoder.output_size);
  encoder.info.image_width = static_cast<JDIMENSION>(surface->width());
  encoder.info.image_height = static_cast<JDIMENSION>(surface->height());
  encoder.info.input_components = 3;
  encoder.info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&encoder.info);
  jpeg_set_quality(&encoder.info, quality, TRUE);
  jpeg_start_compress(&encoder.info, TRUE);
  while (encoder.info.next_scanline < encoder.info.image_height) {
    const Pixel* in = surface->Row(static_cast<int>(encoder.info.next_scanline));
    for (int x = 0; x < surface->width(); ++x) {
      row[3 * x] = static_cast<JSAMPLE>((in[x] >> 16) & 0xFF);
      row[3 * x + 1] = static_cast<JSAMPLE>((in[x] >> 8) & 0xFF);
      row[3 * x + 2] = static_cast<JSAMPLE>(in[x] & 0xFF);
    }
    JSAMPROW rows[1] = {row};
    jpeg_write_scanlines(&encoder.info, rows, 1);
  }
  jpeg_finish_compress(&encoder.info);
  return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeJpeg(const Surface& surface, int quality) {
  if (surface.empty()) return std::nullopt;
  auto encoder = std::make_unique<JpegEncoder>();
  InstallJpegErrorTrap(reinterpret_cast<jpeg_common_struct*>(&encoder->info), &encoder->trap);
  struct Destroy {
    JpegEncoder* encoder;
    ~Destroy() {
      if (encoder->created) jpeg_destroy_compress(&encoder->info);
      std::free(encoder->output);
    }
  } destroy{encoder.get()};

  std::vector<JSAMPLE> row(static_cast<std::size_t>(surface.width()) * 3);
  if (!Compress(*encoder, &surface, std::clamp(quality, 1, 100), row.data())) return std::nullopt;
  return std::vector<std::uint8_t>(encoder->output, encoder->output + encoder->output_size);
}

}  // namespace corvane::gfx
