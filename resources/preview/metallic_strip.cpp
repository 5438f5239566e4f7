#include "resources/preview/metallic_strip.h"

#include <algorithm>
#include <optional>

#include "gfx/blit.h"
#include "winapi/emulation/device_context.h"

namespace corvane {

namespace {

// A device context handle for the lifetime of a scope, so the table never keeps a handle to a
// surface that has gone.
class ScopedDc {
 public:
  explicit ScopedDc(gfx::Surface& surface) : hdc_(gfx::DeviceContexts::Register(&surface)) {}
  ~ScopedDc() { gfx::DeviceContexts::Release(hdc_); }
  ScopedDc(const ScopedDc&) = delete;
  ScopedDc& operator=(const ScopedDc&) = delete;
  gfx::HDC hdc() const { return hdc_; }

 private:
  gfx::HDC hdc_;
};

}  // namespace

std::int32_t RenderMetallicStrip(gfx::Surface& picture, int left, int width, const StripLook& look,
                                 const platform::EffectLibrary& effect) {
  const int begin = std::max(left, 0);
  const int end = std::min(left + std::max(width, 0), picture.width());
  if (begin >= end || picture.empty()) return GPX_ERROR_SIZE;
  std::optional<gfx::Surface> raw = gfx::Surface::Create(end - begin, picture.height());
  std::optional<gfx::Surface> processed = gfx::Surface::Create(end - begin, picture.height());
  if (!raw || !processed) return GPX_ERROR_MEMORY;
  gfx::Blit(*raw, 0, 0, raw->width(), raw->height(), picture, begin, 0);

  std::int32_t status = GPX_ERROR_HANDLE;
  {
    const ScopedDc destination(*processed);
    const ScopedDc source(*raw);
    effect.GPX_Metallic(destination.hdc(), source.hdc(), look.relief, look.phase, look.variant,
                        &status);
  }
  if (status == GPX_OK) {
    gfx::Blit(picture, begin, 0, processed->width(), processed->height(), *processed, 0, 0);
  }
  return status;
}

}  // namespace corvane
