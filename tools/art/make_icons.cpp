// Writes the program's icon as PNG files for the desktop's icon theme, and as the icon file of the
// Windows program (several sizes in one file): the dialog's 32-pixel icon as it is, and each
// larger size enlarged by whole pixels, so the small picture's hard edges stay sharp instead of
// blurring.
//
//   make_icons <icon.gif> <size>:<out.png>... <size>,<size>...:<out.ico>...

#include <algorithm>
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
#include "tools/encode/ico_encode.h"
#include "tools/encode/png_encode.h"

namespace {

using corvane::gfx::Surface;

std::optional<Surface> Enlarged(const Surface& icon, int size) {
  if (size <= 0 || size % icon.width() != 0 || icon.width() != icon.height()) return std::nullopt;
  std::optional<Surface> out = Surface::Create(size, size);
  if (out)
    corvane::gfx::StretchBlit(*out, 0, 0, size, size, icon, 0, 0, icon.width(), icon.height());
  return out;
}

bool WriteIcon(const Surface& icon, const std::string& request) {
  const std::size_t colon = request.find(':');
  const std::string path = colon == std::string::npos ? "" : request.substr(colon + 1);
  const bool ico = path.ends_with(".ico");
  std::vector<Surface> sizes;
  for (std::size_t at = 0; colon != std::string::npos && at < colon;) {
    const std::size_t end = std::min(request.find(',', at), colon);
    std::optional<Surface> picture =
        Enlarged(icon, std::atoi(request.substr(at, end - at).c_str()));
    if (!picture) break;
    sizes.push_back(std::move(*picture));
    at = end + 1;
  }
  if (path.empty() || sizes.empty() || (!ico && sizes.size() != 1)) {
    std::fprintf(stderr,
                 "make_icons: %s is not <multiple of %d>:<file.png> or <sizes>:<file.ico>\n",
                 request.c_str(), icon.width());
    return false;
  }
  std::vector<std::uint8_t> bytes;
  if (ico) {
    std::vector<const Surface*> pictures;
    for (const Surface& picture : sizes) pictures.push_back(&picture);
    bytes = corvane::gfx::EncodeIcon(pictures);
  } else if (auto png = corvane::gfx::EncodePng(sizes.front())) {
    bytes = std::move(*png);
  }
  if (bytes.empty() ||
      !corvane::platform::ReplaceFile(
          path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) {
    std::fprintf(stderr, "make_icons: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(
        stderr, "usage: make_icons <icon.gif> <size>:<out.png>... <size>,<size>...:<out.ico>...\n");
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
