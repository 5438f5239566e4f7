#include "preview/corvane_r.h"

#include <cstdint>
#include <cstdio>
#include <span>

#include "core/shared_state.h"
#include "gfx/color.h"
#include "os/image_decode.h"
#include "os/warn.h"
#include "resources/preview_picture.h"
#include "winapi/user32.h"

namespace corvane {

Corvane_R::Corvane_R() : Form("Preview Window", platform::BorderStyle::kNone) {
  SetScaleMode(platform::ScaleMode::kPixels);
  SetBackColor(gfx::Rgb(0, 0, 0));
  const std::span<const unsigned char> jpeg = PreviewPicture();
  gfx::ImageResult picture =
      gfx::DecodeJpeg(std::span<const std::uint8_t>(jpeg.data(), jpeg.size()));
  if (picture) {
    Img_Prev.SetPicture(picture.surface());
  } else {
    // The pane then stays black; the host's dialog is no place to show a message.
    platform::Warn("the preview picture cannot be decoded: %s", picture.error().c_str());
  }
  on_unload = [this] { Form_Unload(); };
}

void Corvane_R::Form_Unload() {
  // The owner is looked up but not needed: the close request goes to the preview window itself.
  // The window is on its way out when this runs, so the request finds nothing left to close and
  // the host's own windows are never asked to close.
  const platform::HWND window = hWnd();
  (void)platform::GetWindow(window, platform::kGwOwner);
  API_Result = platform::PostMessageA(window, platform::kWmClose, 0, 0);
}

}  // namespace corvane
