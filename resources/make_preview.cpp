// Remakes the preview picture: the desktop scene with the metallic strip rendered by the real
// effect library, reduced to the preview pane's size and stored as a baseline JPEG.
//
//   make_preview <path of Corvane.dll> <output .jpg>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "platform/desktop/system_font_loader.h"
#include "platform/effect_library.h"
#include "platform/gfx/jpeg_encode.h"
#include "platform/posix/dlopen_libraries.h"
#include "resources/preview/preview_maker.h"

namespace {

// High enough that the strip's fine sheen survives; the picture stays around ten kilobytes.
constexpr int kJpegQuality = 92;

// Writes through a temporary file and a rename, so a failed run never leaves half a picture.
bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) std::filesystem::remove(temporary, error);
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <path of Corvane.dll> <output .jpg>\n", argv[0]);
    return 2;
  }
  const std::string library_path = std::filesystem::absolute(argv[1]).string();
  const std::filesystem::path output = argv[2];

  corvane::platform::DlopenLibraries libraries;
  corvane::platform::ScopedService<corvane::platform::DynamicLibraries> service(libraries);
  std::optional<corvane::platform::EffectLibrary> effect =
      corvane::platform::EffectLibrary::Load(library_path);
  if (!effect) {
    std::fprintf(stderr, "make_preview: cannot load the effect library %s\n", library_path.c_str());
    return 1;
  }

  corvane::platform::SystemFontLoader fonts;
  std::string error;
  std::optional<corvane::PreviewPictures> pictures =
      corvane::MakePreviewPictures(fonts, *effect, error);
  if (!pictures) {
    std::fprintf(stderr, "make_preview: %s\n", error.c_str());
    return 1;
  }
  const std::optional<std::vector<std::uint8_t>> jpeg =
      corvane::gfx::EncodeJpeg(pictures->with_strip, kJpegQuality);
  if (!jpeg || !WriteFile(output, *jpeg)) {
    std::fprintf(stderr, "make_preview: cannot write %s\n", output.string().c_str());
    return 1;
  }
  std::printf("make_preview: wrote %s (%d x %d, %zu bytes)\n", output.string().c_str(),
              pictures->with_strip.width(), pictures->with_strip.height(), jpeg->size());
  return 0;
}
