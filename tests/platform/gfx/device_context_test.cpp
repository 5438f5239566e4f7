#include "platform/gfx/device_context.h"

#include <gtest/gtest.h>

namespace corvane::gfx {
namespace {

TEST(DeviceContexts, HandlesNameTheirSurfaceUntilReleasedAndAreNeverReused) {
  auto a = Surface::Create(1, 1);
  auto b = Surface::Create(1, 1);
  const HDC ha = DeviceContexts::Register(&*a);
  const HDC hb = DeviceContexts::Register(&*b);
  EXPECT_NE(ha, 0u);
  EXPECT_NE(ha, hb);
  EXPECT_EQ(DeviceContexts::Lookup(ha), &*a);
  DeviceContexts::Release(ha);
  EXPECT_EQ(DeviceContexts::Lookup(ha), nullptr);
  const HDC hc = DeviceContexts::Register(&*a);
  EXPECT_NE(hc, ha) << "a stale handle must not name a new registration";
  EXPECT_EQ(DeviceContexts::Lookup(hb), &*b);
  DeviceContexts::Release(hb);
  DeviceContexts::Release(hc);
}

TEST(DeviceContexts, NothingAndUnknownHandlesLookUpAsNothing) {
  EXPECT_EQ(DeviceContexts::Register(nullptr), 0u);
  EXPECT_EQ(DeviceContexts::Lookup(0), nullptr);
  EXPECT_EQ(DeviceContexts::Lookup(12345), nullptr);
  DeviceContexts::Release(12345);  // harmless
}

TEST(DeviceContexts, ReleaseForgetsTheSurfaceThePenAndTheBrush) {
  auto a = Surface::Create(1, 1);
  const std::size_t live = DeviceContexts::LiveCount();
  const HDC hdc = DeviceContexts::Register(&*a);
  const HDC screen = DeviceContexts::RegisterScreen();
  DeviceContexts::SelectPen(hdc, Pen::None());
  DeviceContexts::SelectBrush(hdc, Brush::Hollow());
  EXPECT_FALSE(DeviceContexts::PenOf(hdc).visible);
  EXPECT_FALSE(DeviceContexts::BrushOf(hdc).visible);
  EXPECT_EQ(DeviceContexts::LiveCount(), live + 2);
  DeviceContexts::Release(hdc);
  DeviceContexts::Release(screen);
  EXPECT_EQ(DeviceContexts::LiveCount(), live);
  // A dead handle takes no selection and reads as a fresh context.
  DeviceContexts::SelectPen(hdc, Pen::None());
  EXPECT_TRUE(DeviceContexts::PenOf(hdc).visible);
  EXPECT_EQ(DeviceContexts::LiveCount(), live);
}

}  // namespace
}  // namespace corvane::gfx
