#pragma once

#include "os/cursor.h"
#include "platform/win32/window_service.h"

namespace corvane::platform::win32 {

// The pointer over our windows: hidden through the system's own display count (ShowCursor), its
// shape given to the windows' WM_SETCURSOR. The system's shapes are shared and never freed; the
// custom one is made for each request and freed once replaced.
class Win32CursorService final : public CursorService {
 public:
  explicit Win32CursorService(Win32WindowService& windows);
  ~Win32CursorService() override;
  Win32CursorService(const Win32CursorService&) = delete;
  Win32CursorService& operator=(const Win32CursorService&) = delete;

  void SetHidden(bool hidden) override;
  void SetShape(PointerShape shape, const CustomCursor* custom) override;

 private:
  Win32WindowService& windows_;
  bool hidden_ = false;
  void* custom_ = nullptr;  // An HCURSOR of ours.
};

}  // namespace corvane::platform::win32
