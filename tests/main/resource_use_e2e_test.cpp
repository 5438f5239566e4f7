// The real Corvane.scr left running on a full-HD screen: what it uses must level off, since it
// may run for hours on a machine nobody watches.
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "tests/e2e/program_copy.h"
#include "tests/e2e/xvfb_fixture.h"
#include "tests/support/settings_file.h"

namespace corvane::e2e {
namespace {

using namespace std::chrono_literals;

// What a process uses at one moment.
struct Use {
  double cpu_seconds = 0;  // user and system time so far
  long rss_kb = 0;
  long descriptors = 0;
  long threads = 0;
};

Use UseOf(const Child& child) {
  const std::string proc = "/proc/" + std::to_string(child.pid);
  Use use{CpuSeconds(child)};
  std::ifstream status(proc + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmRSS:")) use.rss_kb = std::stol(line.substr(6));
    if (line.starts_with("Threads:")) use.threads = std::stol(line.substr(8));
  }
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(proc + "/fd")) {
    ++use.descriptors;
  }
  return use;
}

class ResourceUseE2eTest : public XvfbTest {
 protected:
  ScreenOptions Options() const override { return {1920, 1080, 96, {}}; }
};

// The bounds are loose: the tests share a busy machine. A saver that spins uses a whole core,
// one that leaks grows by megabytes in this time.
TEST_F(ResourceUseE2eTest, ASaverLeftRunningUsesPartOfACoreAndNothingGrows) {
  ProgramCopy copy(BuildPath("."), true);
  test_support::WriteFileBytes(copy.Path("Corvane.ini"), test_support::Ini(0, "0"));
  Child* saver = Launch(copy.program(), {"/s"}, copy.Environment());
  ASSERT_NE(saver, nullptr);
  ASSERT_NE(WaitForWindow("Corvane_Main"), 0u);
  std::this_thread::sleep_for(5s);
  const Use early = UseOf(*saver);
  constexpr double kSeconds = 20;
  std::this_thread::sleep_for(std::chrono::duration<double>(kSeconds));
  const Use late = UseOf(*saver);
  EXPECT_LT(late.cpu_seconds - early.cpu_seconds, 0.8 * kSeconds);
  EXPECT_LT(late.rss_kb - early.rss_kb, 4096);
  EXPECT_EQ(late.descriptors, early.descriptors);
  EXPECT_EQ(late.threads, early.threads);
  Signal(*saver, SIGTERM);
  EXPECT_EQ(WaitExit(*saver), 0);
}

}  // namespace
}  // namespace corvane::e2e
