#include "platform/posix/flock_instance_lock.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "tests/support/temp_folder.h"

namespace corvane::platform {
namespace {

TEST(FlockInstanceLock, OneHolderPerDisplayUntilItIsGone) {
  test_support::TempFolder runtime;
  ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
  auto first = std::make_unique<FlockInstanceLock>(":7");
  FlockInstanceLock second(":7");
  FlockInstanceLock other_display(":8");
  // A socket path as the display's name must not lead the file out of the runtime folder.
  FlockInstanceLock path_display("/../../x:0");
  EXPECT_TRUE(first->Claim());
  EXPECT_TRUE(first->Claim()) << "the holder still holds it";
  EXPECT_FALSE(second.Claim()) << "a second copy on the same display";
  EXPECT_TRUE(other_display.Claim());
  EXPECT_TRUE(path_display.Claim());
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(runtime.path())) {
    EXPECT_TRUE(entry.is_regular_file()) << entry.path();
    ++files;
  }
  EXPECT_EQ(files, 3);
  first.reset();
  FlockInstanceLock later(":7");
  EXPECT_TRUE(later.Claim()) << "free again once the holder is gone";
  ::unsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
}  // namespace corvane::platform
