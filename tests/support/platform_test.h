#pragma once

#include <gtest/gtest.h>

#include <cstddef>

#include "platform/fake/fake_platform.h"
#include "winapi/emulation/device_context.h"

namespace corvane::test_support {

// A fresh fake platform for every test, so that nothing one test scripted or the program left in
// a fake reaches the next. The fakes go by the names the tests use for them; platform_ is there
// to put a real service in place of one of them.
class PlatformTest : public ::testing::Test {
 protected:
  // Runs after the derived fixture's members (its forms and controls) are gone. The device-context
  // table outlives every test, so a context left live would carry one test's surface into the
  // next: every context made during the test must have been released by now.
  ~PlatformTest() override {
    EXPECT_EQ(gfx::DeviceContexts::LiveCount(), live_contexts_)
        << "a device context outlived its test";
  }

  platform::fake::FakePlatform platform_;
  platform::fake::FakeEventLoop& loop_ = platform_.loop();
  platform::fake::FakeWindowService& windows_ = platform_.windows();
  platform::fake::FakeCaptureService& capture_ = platform_.capture();
  platform::fake::FakeCursorService& cursor_ = platform_.cursor();
  platform::fake::FakePowerService& power_ = platform_.power();
  platform::FakeRuntime& runtime_ = platform_.runtime();
  platform::FakeProfileStore& store_ = platform_.profile_store();
  platform::FakeDynamicLibraries& libraries_ = platform_.libraries();
  platform::fake::FakeInstanceLock& lock_ = platform_.instance_lock();
  platform::fake::FakeLauncher& launcher_ = platform_.launcher();
  platform::fake::FakeFileChooser& chooser_ = platform_.file_chooser();
  platform::fake::FakeMessageBoxService& message_box_ = platform_.message_box();
  gfx::FakeFontLoader& fonts_ = platform_.fonts();
  platform::FakeMediaService& media_ = platform_.media();

 private:
  std::size_t live_contexts_ = gfx::DeviceContexts::LiveCount();
};

}  // namespace corvane::test_support
