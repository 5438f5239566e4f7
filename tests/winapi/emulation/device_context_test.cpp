#include "winapi/emulation/device_context.h"

#include <gtest/gtest.h>

#include "winapi/gdi32.h"

namespace corvane::gfx {
namespace {

TEST(DeviceContexts, HandlesNameTheirSurfaceUntilReleasedAndAreNeverReused) {
  auto a = Surface::Create(1, 1);
  auto b = Surface::Create(1, 1);
  const std::size_t live = DeviceContexts::LiveCount();
  const HDC ha = DeviceContexts::Register(&*a);
  const HDC hb = DeviceContexts::Register(&*b);
  const HDC screen = DeviceContexts::RegisterScreen();
  EXPECT_EQ(DeviceContexts::Lookup(ha), &*a);
  DeviceContexts::SelectPen(ha, Pen::None());
  DeviceContexts::Release(ha);
  DeviceContexts::Release(screen);
  EXPECT_EQ(DeviceContexts::Lookup(ha), nullptr);
  EXPECT_EQ(DeviceContexts::LiveCount(), live + 1) << "the pen and brush go with the handle";
  const HDC hc = DeviceContexts::Register(&*a);
  EXPECT_NE(hc, ha) << "a stale handle must not name a new registration";
  EXPECT_EQ(DeviceContexts::Lookup(hb), &*b);
  EXPECT_EQ(DeviceContexts::Register(nullptr), 0u);
  EXPECT_EQ(DeviceContexts::Lookup(12345), nullptr);
  DeviceContexts::Release(hb);
  DeviceContexts::Release(hc);
  EXPECT_EQ(DeviceContexts::LiveCount(), live);
}

TEST(DeviceContexts, ASelectedSurfaceStandsInForTheRegisteredOneUntilTheScopeEnds) {
  auto own = Surface::Create(1, 1);
  auto other = Surface::Create(1, 1);
  const HDC hdc = DeviceContexts::Register(&*own);
  const HDC screen = DeviceContexts::RegisterScreen();
  {
    const platform::ViewSelection selection(hdc, &*other);
    EXPECT_TRUE(selection.Selected());
    EXPECT_EQ(DeviceContexts::Lookup(hdc), &*other);
    EXPECT_EQ(DeviceContexts::Select(screen, &*other), nullptr) << "a screen has no surface";
    EXPECT_EQ(DeviceContexts::Lookup(screen), nullptr);
  }
  EXPECT_EQ(DeviceContexts::Lookup(hdc), &*own);
  DeviceContexts::Release(hdc);
  DeviceContexts::Release(screen);
  EXPECT_FALSE(platform::ViewSelection(hdc, &*other).Selected());
  EXPECT_EQ(DeviceContexts::Lookup(hdc), nullptr) << "a released handle stays released";
}

}  // namespace
}  // namespace corvane::gfx
