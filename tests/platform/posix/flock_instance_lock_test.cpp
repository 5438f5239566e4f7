#include "platform/posix/flock_instance_lock.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <iterator>
#include <memory>

#include "tests/support/temp_folder.h"

namespace corvane::platform {
namespace {

TEST(FlockInstanceLock, OneHolderPerDisplayUntilItIsGone) {
  test_support::TempFolder runtime;
  ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
  auto first = std::make_unique<FlockInstanceLock>(":7");
  FlockInstanceLock second(":7"), other_display(":8");
  // A socket path as the display's name must not lead the file out of the runtime folder.
  FlockInstanceLock path_display("/../../x:0");
  EXPECT_TRUE(first->Claim());
  EXPECT_TRUE(first->Claim()) << "the holder still holds it";
  EXPECT_FALSE(second.Claim()) << "a second copy on the same display";
  EXPECT_TRUE(other_display.Claim());
  EXPECT_TRUE(path_display.Claim());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(runtime.path()), {}), 3);
  first.reset();
  EXPECT_TRUE(FlockInstanceLock(":7").Claim()) << "free again once the holder is gone";
  ::unsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
}  // namespace corvane::platform
