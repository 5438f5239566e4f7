// corvane_snap: saves what the X screen shows, or one rectangle of it, as a PNG picture.
//
//   corvane_snap <output .png> [x y width height]

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "os/capture.h"
#include "os/service.h"
#include "os/window.h"
#include "platform/posix/replace_file.h"
#include "platform/x11/platform.h"
#include "tools/encode/png_encode.h"

namespace {

// The rectangle the arguments after the output name give, or the whole screen without them; none
// when they are not four whole numbers or leave the screen.
std::optional<corvane::platform::Rect> Area(int argc, char** argv, corvane::platform::Size screen) {
  if (argc == 2) return corvane::platform::Rect{0, 0, screen.width, screen.height};
  int numbers[4] = {};
  for (int i = 0; i < 4; ++i) {
    char* end = nullptr;
    const long value = std::strtol(argv[i + 2], &end, 10);
    if (*end != '\0' || end == argv[i + 2] || value < 0 || value > 1 << 16) return std::nullopt;
    numbers[i] = static_cast<int>(value);
  }
  const corvane::platform::Rect area{numbers[0], numbers[1], numbers[0] + numbers[2],
                                     numbers[1] + numbers[3]};
  if (area.Empty() || area.right > screen.width || area.bottom > screen.height) return std::nullopt;
  return area;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 6) {
    std::fprintf(stderr, "usage: %s <output .png> [x y width height]\n", argv[0]);
    return 2;
  }
  const std::filesystem::path output = argv[1];
  std::unique_ptr<corvane::platform::x11::X11Platform> x11 =
      corvane::platform::x11::X11Platform::Open();
  if (!x11) return 1;  // Open has said why on stderr.

  using corvane::platform::Service;
  const corvane::platform::Size screen =
      Service<corvane::platform::WindowService>::Get().ScreenSize();
  const std::optional<corvane::platform::Rect> area = Area(argc, argv, screen);
  if (!area) {
    std::fprintf(stderr,
                 "corvane_snap: the area must be four whole numbers within the %d x %d screen\n",
                 screen.width, screen.height);
    return 2;
  }
  std::optional<corvane::gfx::Surface> pixels =
      corvane::gfx::Surface::Create(area->Width(), area->Height());
  if (!pixels ||
      !Service<corvane::platform::CaptureService>::Get().CaptureScreen(*area, *pixels, 0, 0)) {
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
  std::printf("corvane_snap: wrote %s (%d x %d)\n", output.string().c_str(), area->Width(),
              area->Height());
  return 0;
}
