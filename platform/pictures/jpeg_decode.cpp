#include <memory>
#include <vector>

#include "os/image_decode.h"
#include "platform/pictures/jpeg_error.h"

namespace corvane::gfx {

namespace {

// Plain data only: see JpegErrorTrap for why nothing here may have a destructor.
struct JpegDecoder {
  jpeg_decompress_struct info;
  JpegErrorTrap trap;
  bool created;
};

bool ReadHeader(JpegDecoder& decoder, const std::uint8_t* data, std::size_t size) {
  if (setjmp(decoder.trap.jump) != 0) return false;
  jpeg_create_decompress(&decoder.info);
  decoder.created = true;
  jpeg_mem_src(&decoder.info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&decoder.info, TRUE);
  decoder.info.out_color_space = JCS_RGB;
  jpeg_calc_output_dimensions(&decoder.info);
  return decoder.trap.warnings == 0;
}

// Callers must pass a surface of the output size and a row buffer of three bytes per pixel.
bool ReadPixels(JpegDecoder& decoder, Surface* surface, JSAMPLE* row) {
  if (setjmp(decoder.trap.jump) != 0) return false;
  jpeg_start_decompress(&decoder.info);
  while (decoder.info.output_scanline < decoder.info.output_height) {
    const int y = static_cast<int>(decoder.info.output_scanline);
    JSAMPROW rows[1] = {row};
    if (jpeg_read_scanlines(&decoder.info, rows, 1) != 1) return false;
    Pixel* out = surface->Row(y);
    for (int x = 0; x < surface->width(); ++x) {
      const JSAMPLE* rgb = row + 3 * x;
      out[x] = (Pixel{rgb[0]} << 16) | (Pixel{rgb[1]} << 8) | Pixel{rgb[2]};
    }
  }
  jpeg_finish_decompress(&decoder.info);
  return decoder.trap.warnings == 0;
}

ImageResult Failure(const JpegDecoder& decoder, const char* fallback) {
  const char* reason = decoder.trap.message[0] != '\0' ? decoder.trap.message : fallback;
  return ImageResult::Fail(std::string("JPEG: ") + reason);
}

}  // namespace

ImageResult DecodeJpeg(std::span<const std::uint8_t> data) {
  if (data.empty()) return ImageResult::Fail("JPEG: no data");
  auto decoder = std::make_unique<JpegDecoder>();
  InstallJpegErrorTrap(reinterpret_cast<jpeg_common_struct*>(&decoder->info), &decoder->trap);
  struct Destroy {
    JpegDecoder* decoder;
    ~Destroy() {
      if (decoder->created) jpeg_destroy_decompress(&decoder->info);
    }
  } destroy{decoder.get()};

  if (!ReadHeader(*decoder, data.data(), data.size())) return Failure(*decoder, "bad header");
  const auto width = static_cast<std::int64_t>(decoder->info.output_width);
  const auto height = static_cast<std::int64_t>(decoder->info.output_height);
  if (width * height > kMaxImagePixels || decoder->info.output_components != 3) {
    return ImageResult::Fail("JPEG: picture too large or of an unsupported kind");
  }
  std::optional<Surface> surface =
      Surface::Create(static_cast<int>(width), static_cast<int>(height));
  if (!surface) return ImageResult::Fail("JPEG: picture size out of range");
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3);
  if (!ReadPixels(*decoder, &*surface, row.data())) return Failure(*decoder, "damaged data");
  return ImageResult::Ok(std::move(*surface));
}

}  // namespace corvane::gfx
