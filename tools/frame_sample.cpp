// corvane_frame_sample: shows the settings dialog's four GFXFrameX panels at their stored values,
// as hosted controls on a form over a plain sample background of the dialog's size, and saves what
// the screen shows of the form as a PNG, to look at the frames without the dialog. It needs an X
// display; Xvfb will do:
//
//   corvane_frame_sample <output .png> [zoom]
//
// for example, from the source folder:
//
//   cmake --build build --target corvane_frame_sample
//   xvfb-run -a build/tools/corvane_frame_sample build/dialog_frames.png
//
// As the dialog does at load, the three frames on the background take its colour at (100, 100) as
// their BackColour; the caption frame inside the settings panel keeps its own. A zoom of 2 to 8
// enlarges every pixel to a square of that size, to inspect the shadows' corners.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/frame/gfx_frame_x.h"
#include "gfx/pixel_access.h"
#include "os/capture.h"
#include "os/service.h"
#include "platform/posix/replace_file.h"
#include "platform/x11/platform.h"
#include "settings/dialog_frames.h"
#include "toolkit/form.h"
#include "toolkit/picture_box.h"
#include "tools/encode/png_encode.h"

namespace {

using corvane::gfx::ColorRef;
using corvane::gfx::Surface;
namespace platform = corvane::platform;

constexpr int kDialogWidth = 450;
constexpr int kDialogHeight = 319;
constexpr ColorRef kSampleBackground = corvane::gfx::Rgb(112, 146, 190);
// The picture box under the frames reports the button face as its background colour.
constexpr ColorRef kButtonFace = 0x8000000F;
// Long enough for the window system to map the windows and show what they presented.
constexpr std::uint32_t kSettleMs = 300;

Surface Zoomed(const Surface& picture, int zoom) {
  Surface zoomed = *Surface::Create(picture.width() * zoom, picture.height() * zoom);
  for (int y = 0; y < zoomed.height(); ++y) {
    for (int x = 0; x < zoomed.width(); ++x) {
      zoomed.Row(y)[x] = picture.Row(y / zoom)[x / zoom];
    }
  }
  return zoomed;
}

// Shows the frames on a form at the screen's origin and reads back what the screen shows there.
std::optional<Surface> ShowFrames(platform::x11::X11Platform& x11) {
  platform::Form form("frames", platform::BorderStyle::kNone);
  form.SetScaleMode(platform::ScaleMode::kPixels);
  form.SetBounds(platform::Rect{0, 0, kDialogWidth, kDialogHeight});
  platform::PictureBox pic_c(&form);
  pic_c.SetBounds(platform::Rect{0, 0, kDialogWidth, kDialogHeight});
  pic_c.SetBackColor(kButtonFace);
  Surface background = *Surface::Create(kDialogWidth, kDialogHeight);
  background.Fill(kSampleBackground);
  pic_c.SetPicture(background);

  // Frames inside frames come after their containers, and go before them.
  std::vector<std::unique_ptr<corvane::controls::GFXFrameX>> frames;
  std::vector<platform::StoredInstance> stored;
  const auto& dialog_frames = corvane::settings::DialogFrames();
  for (const corvane::settings::StoredFrame& frame : dialog_frames) {
    platform::WindowedControl* container = &pic_c;
    for (std::size_t i = 0; i < frames.size(); ++i) {
      if (dialog_frames[i].name == frame.container) container = frames[i].get();
    }
    frames.push_back(
        std::make_unique<corvane::controls::GFXFrameX>(container, std::string(frame.name)));
    frames.back()->SetBounds(frame.bounds);
    stored.push_back({std::string(frame.name), frame.properties});
  }
  form.SetStoredInstances(std::move(stored));
  form.on_load = [&] {
    const ColorRef picture_colour = corvane::gfx::GetPixel(pic_c.Image(), 100, 100);
    for (std::size_t i = 0; i < frames.size(); ++i) {
      if (dialog_frames[i].container == "Pic_C") frames[i]->SetBackColour(picture_colour);
    }
  };
  form.Show();

  bool settled = false;
  x11.loop().StartTimer(kSettleMs, [&settled] { settled = true; });
  x11.loop().RunUntil([&settled] { return settled; });
  std::optional<Surface> shown = Surface::Create(kDialogWidth, kDialogHeight);
  if (shown && !platform::Service<platform::CaptureService>::Get().CaptureScreen(
                   platform::Rect{0, 0, kDialogWidth, kDialogHeight}, *shown, 0, 0)) {
    shown.reset();
  }
  form.Unload();
  while (!frames.empty()) frames.pop_back();
  return shown;
}

}  // namespace

int main(int argc, char** argv) {
  const int zoom = argc == 3 ? std::atoi(argv[2]) : 1;
  if (argc < 2 || argc > 3 || zoom < 1 || zoom > 8) {
    std::fprintf(stderr, "usage: %s <output .png> [zoom 1 to 8]\n", argv[0]);
    return 2;
  }
  const std::filesystem::path output = argv[1];
  std::unique_ptr<platform::x11::X11Platform> x11 = platform::x11::X11Platform::Open();
  if (!x11) return 1;  // Open has said why on stderr.
  std::optional<Surface> dialog = ShowFrames(*x11);
  if (!dialog) {
    std::fprintf(stderr, "corvane_frame_sample: cannot read the screen\n");
    return 1;
  }

  if (zoom > 1) *dialog = Zoomed(*dialog, zoom);
  const std::optional<std::vector<std::uint8_t>> png = corvane::gfx::EncodePng(*dialog);
  if (!png || !platform::ReplaceFile(
                  output.string(),
                  std::string_view(reinterpret_cast<const char*>(png->data()), png->size()))) {
    std::fprintf(stderr, "corvane_frame_sample: cannot write %s\n", output.string().c_str());
    return 1;
  }
  std::printf("corvane_frame_sample: wrote %s\n", output.string().c_str());
  return 0;
}
