#include "platform/gfx/device_context.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace corvane::gfx
