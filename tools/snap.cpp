// corvane_snap: saves what the X screen shows as a PNG picture.
//
//   corvane_snap <output .png>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/capture.h"
#include "platform/gfx/png_encode.h"
#include "platform/posix/replace_file.h"
#include "platform/service.h"
#include "platform/window.h"
#include "platform/x11/platform.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output .png>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path output = argv[1];
  std::unique_ptr<corvane::platform::x11::X11Platform> x11 =
      corvane::platform::x11::X11Platform::Open();
  if (!x11) return 1;  // Open has said why on stderr.

  using corvane::platform::Service;
  const corvane::platform::Size screen =
      Service<corvane::platform::WindowService>::Get().ScreenSize();
  std::optional<corvane::gfx::Surface> pixels =
      corvane::gfx::Surface::Create(screen.width, screen.height);
  if (!pixels || !Service<corvane::platform::CaptureService>::Get().CaptureScreen(
                     {0, 0, screen.width, screen.height}, *pixels, 0, 0)) {
    std::fprintf(stderr, "corvane_snap: cannot read the %d x %d screen\n", screen.width,
                 screen.height);
    return 1;
  }
  const std::optional<std::vector<std::uint8_t>> png = corvane::gfx::EncodePng(*pixels);
  if (!png || !corvane::platform::ReplaceFile(
                  output.string(),
                  std::string_view(reinterpret_cast<const char*>(png->data()), png->size()))) {
    std::fprintf(stderr, "corvane_snap: cannot write %s\n", output.string().c_str());
    return 1;
  }
  std::printf("corvane_snap: wrote %s (%d x %d)\n", output.string().c_str(), screen.width,
              screen.height);
  return 0;
}
