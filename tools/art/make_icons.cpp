// Writes the program's icon as PNG files for the desktop's icon theme: the dialog's 32-pixel icon
// as it is, and each larger size enlarged by whole pixels, so the small picture's hard edges stay
// sharp instead of blurring.
//
//   make_icons <icon.gif> <size>:<out.png>...

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/stretch_blit.h"
#include "os/image_decode.h"
#include "platform/posix/read_file.h"
#include "platform/posix/replace_file.h"
#include "tools/encode/png_encode.h"

namespace {

using corvane::gfx::Surface;

bool WriteIcon(const Surface& icon, const std::string& request) {
  const std::size_t colon = request.find(':');
  const int size = colon == std::string::npos ? 0 : std::atoi(request.substr(0, colon).c_str());
  if (size <= 0 || size % icon.width() != 0 || icon.width() != icon.height()) {
    std::fprintf(stderr, "make_icons: %s is not <multiple of %d>:<file>\n", request.c_str(),
                 icon.width());
    return false;
  }
  std::optional<Surface> out = Surface::Create(size, size);
  if (!out) return false;
  corvane::gfx::StretchBlit(*out, 0, 0, size, size, icon, 0, 0, icon.width(), icon.height());
  const std::optional<std::vector<std::uint8_t>> png = corvane::gfx::EncodePng(*out);
  const std::string path = request.substr(colon + 1);
  if (!png ||
      !corvane::platform::ReplaceFile(
          path, std::string_view(reinterpret_cast<const char*>(png->data()), png->size()))) {
    std::fprintf(stderr, "make_icons: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: make_icons <icon.gif> <size>:<out.png>...\n");
    return 2;
  }
  std::string gif;
  if (corvane::platform::ReadRegularFile(argv[1], &gif) !=
      corvane::platform::ReadFileResult::kRead) {
    std::fprintf(stderr, "make_icons: cannot read %s\n", argv[1]);
    return 1;
  }
  corvane::gfx::ImageResult icon =
      corvane::gfx::DecodeGif({reinterpret_cast<const std::uint8_t*>(gif.data()), gif.size()});
  if (!icon) {
    std::fprintf(stderr, "make_icons: %s: %s\n", argv[1], icon.error().c_str());
    return 1;
  }
  bool ok = true;
  for (int i = 2; i < argc; ++i) ok = WriteIcon(icon.surface(), argv[i]) && ok;
  return ok ? 0 : 1;
}
