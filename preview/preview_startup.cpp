#include "preview/preview_startup.h"

#include <cmath>

#include "core/shared_state.h"
#include "os/geometry.h"
#include "winapi/user32.h"

namespace corvane {

std::optional<std::int16_t> PreviewTwips(double twips) {
  if (!std::isfinite(twips)) return std::nullopt;
  // The default floating-point rounding mode rounds halves to the even neighbour.
  const double rounded = std::nearbyint(twips);
  if (rounded < INT16_MIN || rounded > INT16_MAX) return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

void StartPreview(Corvane_R& form, platform::HWND host) {
  using namespace platform;

  // A host that does not exist leaves the rectangle empty, and the sizes below at 0.
  Rect host_rect;
  API_Result = GetWindowRect(host, &host_rect);

  // Only the host's size matters: the preview sits at the top-left of the host's client area.
  const std::int16_t left = 0;
  const std::int16_t top = 0;
  const double twips_x = TwipsPerPixelX();
  const double twips_y = TwipsPerPixelY();
  const std::int16_t width = PreviewTwips(twips_x * host_rect.Width()).value_or(0);
  const std::int16_t height = PreviewTwips(twips_y * host_rect.Height()).value_or(0);

  form.Load();
  const HWND preview = form.hWnd();
  const std::int32_t style = GetWindowLongA(preview, kGwlStyle);
  API_Result = SetWindowLongA(preview, kGwlStyle, style | kWsChild);
  API_Result = SetParent(preview, host);
  if (host == 0 || API_Result == 0) {
    form.Unload();
    return;
  }

  form.Move(left, top, width, height);
  form.Img_Prev.SetWidth(width / twips_x);
  form.Img_Prev.SetHeight(height / twips_y);
  form.Img_Prev.SetLeft(0);
  form.Img_Prev.SetTop(0);
  form.Show(ShowMode::kModeless);
}

}  // namespace corvane
