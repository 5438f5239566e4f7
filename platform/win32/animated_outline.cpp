#include "platform/win32/animated_outline.h"

#include <windows.h>

#include <chrono>
#include <thread>

namespace corvane::platform::win32 {

namespace {
constexpr int kSteps = 16;
constexpr auto kDuration = std::chrono::milliseconds(250);

Rect Interpolate(const Rect& from, const Rect& to, int step) {
  auto mix = [step](int a, int b) { return a + (b - a) * step / kSteps; };
  return Rect{mix(from.left, to.left), mix(from.top, to.top), mix(from.right, to.right),
              mix(from.bottom, to.bottom)};
}
}  // namespace

void AnimateOutline(const Rect& from, const Rect& to) {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return;
  // Inverting lets the second drawing of a frame erase the first, whatever lies below.
  const int old_rop = SetROP2(screen, R2_NOT);
  HPEN pen = CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
  const HGDIOBJ old_pen = SelectObject(screen, pen);
  const HGDIOBJ old_brush = SelectObject(screen, GetStockObject(NULL_BRUSH));
  const auto start = std::chrono::steady_clock::now();
  // The call this stands for is synchronous: the animation is over when it returns.
  for (int step = 0; step <= kSteps; ++step) {
    const Rect frame = Interpolate(from, to, step);
    Rectangle(screen, frame.left, frame.top, frame.right, frame.bottom);
    GdiFlush();
    std::this_thread::sleep_until(start + kDuration * (step + 1) / (kSteps + 1));
    Rectangle(screen, frame.left, frame.top, frame.right, frame.bottom);
  }
  SelectObject(screen, old_brush);
  SelectObject(screen, old_pen);
  SetROP2(screen, old_rop);
  DeleteObject(pen);
  ReleaseDC(nullptr, screen);
}

}  // namespace corvane::platform::win32
