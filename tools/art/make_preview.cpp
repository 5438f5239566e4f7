// Remakes the preview picture: the desktop scene with the metallic strip rendered by the real
// effect library, reduced to the preview pane's size and stored as a baseline JPEG.
//
//   make_preview <path of Corvane.dll> <output .jpg>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/effect_library.h"
#include "os/font_loader.h"
#include "platform/fonts/system_font_loader.h"
#include "platform/posix/dlopen_libraries.h"
#include "platform/posix/replace_file.h"
#include "resources/preview/preview_maker.h"
#include "tools/encode/jpeg_encode.h"

namespace {

// High enough that the strip's fine sheen survives; the picture stays around ten kilobytes.
constexpr int kJpegQuality = 92;

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
  if (!jpeg || !corvane::platform::ReplaceFile(
                   output.string(),
                   std::string_view(reinterpret_cast<const char*>(jpeg->data()), jpeg->size()))) {
    std::fprintf(stderr, "make_preview: cannot write %s\n", output.string().c_str());
    return 1;
  }
  std::printf("make_preview: wrote %s (%d x %d, %zu bytes)\n", output.string().c_str(),
              pictures->with_strip.width(), pictures->with_strip.height(), jpeg->size());
  return 0;
}
