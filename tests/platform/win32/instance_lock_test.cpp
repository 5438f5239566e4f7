#include "platform/win32/instance_lock.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

namespace corvane::platform::win32 {
namespace {

TEST(MutexInstanceLock, OneHolderPerNameUntilItIsGone) {
  const std::string name = "CorvaneTest-" + std::to_string(GetCurrentProcessId());
  auto first = std::make_unique<MutexInstanceLock>(name);
  MutexInstanceLock second(name), other(name + "-other");
  EXPECT_TRUE(first->Claim());
  EXPECT_TRUE(first->Claim()) << "the holder still holds it";
  EXPECT_FALSE(second.Claim()) << "a second copy";
  EXPECT_FALSE(second.Claim()) << "answers as it did";
  EXPECT_TRUE(other.Claim());
  first.reset();
  EXPECT_TRUE(MutexInstanceLock(name).Claim()) << "free again once the holder is gone";
  // An object of another kind under the name is no claim of another copy.
  const HANDLE event = CreateEventW(nullptr, FALSE, FALSE, L"Local\\CorvaneTest-event");
  EXPECT_TRUE(MutexInstanceLock("CorvaneTest-event").Claim());
  CloseHandle(event);
}

}  // namespace
}  // namespace corvane::platform::win32
