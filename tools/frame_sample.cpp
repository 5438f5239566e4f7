// corvane_frame_sample: draws the settings dialog's four GFXFrameX panels at their stored values
// over a plain sample background of the dialog's size and saves the picture as a PNG, to look at
// the frames without the dialog.
//
//   corvane_frame_sample <output .png> [zoom]
//
// for example, from the source folder:
//
//   cmake --build build --target corvane_frame_sample
//   build/tools/corvane_frame_sample build/dialog_frames.png
//
// As the dialog does at load, the three frames on the background take its colour at (100, 100) as
// their BackColour; the caption frame inside the settings panel keeps its own. A zoom of 2 to 8
// enlarges every pixel to a square of that size, to inspect the shadows' corners.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "controls/frame/gfx_frame_x.h"
#include "platform/gfx/blit.h"
#include "platform/gfx/pixel_access.h"
#include "platform/gfx/png_encode.h"
#include "platform/posix/replace_file.h"
#include "settings/dialog_frames.h"

namespace {

using corvane::gfx::ColorRef;
using corvane::gfx::Surface;

constexpr int kDialogWidth = 450;
constexpr int kDialogHeight = 319;
constexpr ColorRef kSampleBackground = corvane::gfx::Rgb(112, 146, 190);
// The picture box under the frames reports the button face as its background colour.
constexpr ColorRef kAmbient = 0x8000000F;

class SampleHost : public corvane::controls::FrameHost {
 public:
  SampleHost(int width, int height) : image_(*Surface::Create(width, height)) {}
  ColorRef AmbientBackColour() const override { return kAmbient; }
  void PropertyChanged(std::string_view) override {}
  Surface& Image() override { return image_; }

 private:
  Surface image_;
};

Surface Zoomed(const Surface& picture, int zoom) {
  Surface zoomed = *Surface::Create(picture.width() * zoom, picture.height() * zoom);
  for (int y = 0; y < zoomed.height(); ++y) {
    for (int x = 0; x < zoomed.width(); ++x) {
      zoomed.Row(y)[x] = picture.Row(y / zoom)[x / zoom];
    }
  }
  return zoomed;
}

}  // namespace

int main(int argc, char** argv) {
  const int zoom = argc == 3 ? std::atoi(argv[2]) : 1;
  if (argc < 2 || argc > 3 || zoom < 1 || zoom > 8) {
    std::fprintf(stderr, "usage: %s <output .png> [zoom 1 to 8]\n", argv[0]);
    return 2;
  }
  const std::filesystem::path output = argv[1];
  Surface dialog = *Surface::Create(kDialogWidth, kDialogHeight);
  dialog.Fill(kSampleBackground);
  const ColorRef picture_colour = corvane::gfx::GetPixel(dialog, 100, 100);

  // Each frame is drawn onto its own image and copied to where it sits in the dialog; the caption
  // frame sits inside the settings panel, so it is placed after it.
  std::vector<std::pair<std::string_view, corvane::gfx::Point>> origins;
  for (const corvane::settings::StoredFrame& stored : corvane::settings::DialogFrames()) {
    SampleHost host(stored.bounds.Width(), stored.bounds.Height());
    corvane::controls::GFXFrameX frame(host);
    frame.ReadProperties(stored.properties);
    corvane::gfx::Point origin{stored.bounds.left, stored.bounds.top};
    for (const auto& [name, container_origin] : origins) {
      if (name == stored.container) {
        origin.x += container_origin.x;
        origin.y += container_origin.y;
      }
    }
    if (stored.container == "Pic_C") frame.SetBackColour(picture_colour);
    corvane::gfx::Blit(dialog, origin.x, origin.y, host.Image().width(), host.Image().height(),
                       host.Image(), 0, 0);
    origins.emplace_back(stored.name, origin);
  }

  if (zoom > 1) dialog = Zoomed(dialog, zoom);
  const std::optional<std::vector<std::uint8_t>> png = corvane::gfx::EncodePng(dialog);
  if (!png || !corvane::platform::ReplaceFile(
                  output.string(),
                  std::string_view(reinterpret_cast<const char*>(png->data()), png->size()))) {
    std::fprintf(stderr, "corvane_frame_sample: cannot write %s\n", output.string().c_str());
    return 1;
  }
  std::printf("corvane_frame_sample: wrote %s\n", output.string().c_str());
  return 0;
}
