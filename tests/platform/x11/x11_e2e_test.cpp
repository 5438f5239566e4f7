#include <signal.h>

#include "tests/e2e/xvfb_fixture.h"

namespace corvane::e2e {
namespace {

class X11Backend : public XvfbTest {
 protected:
  Child* Probe(const std::vector<std::string>& args) {
    return Launch(BuildPath("tests/x11_probe"), args);
  }
};

TEST_F(X11Backend, ForeignWindowIdsThatNameNothingTakeTheGonePath) {
  for (const std::string id : {"0", "123456789"}) {
    Child* probe = Probe({"child", id});
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(ReadLine(*probe), "ready 0x0") << id;
    // A window of ours that could not live inside its host ends like one whose host died, or
    // stays a harmless hidden top-level window until it is ended: never a crash.
    Signal(*probe, SIGTERM);
    EXPECT_EQ(WaitExit(*probe), 0) << id;
  }
}

// A server without shared memory: the program's own runs present through it when the server
// offers it, so here the plain image path is the one to check.
class PlainPresentTest : public X11Backend {
 protected:
  ScreenOptions Options() const override {
    ScreenOptions options;
    options.extra_args = {"-extension", "MIT-SHM"};
    return options;
  }
};

TEST_F(PlainPresentTest, APresentedSurfaceReadsBackPixelForPixelWithoutSharedMemory) {
  Child* probe = Probe({"present", "13", "7", "40", "30"});
  ASSERT_NE(probe, nullptr);
  ASSERT_EQ(ReadLine(*probe), "ready");
  std::vector<std::uint32_t> expected;
  for (std::uint32_t row = 0; row < 30; ++row) {
    for (std::uint32_t col = 0; col < 40; ++col)
      expected.push_back((col * 5) << 16 | (row * 7) << 8 | 0x5A);
  }
  std::vector<std::uint32_t> pixels;
  EXPECT_TRUE(WaitUntil([&] { return (pixels = ReadPixels(root(), 13, 7, 40, 30)) == expected; }));
  EXPECT_EQ(pixels, expected);
}

TEST_F(X11Backend, WithoutAnXServerTheProgramSaysSoAndFails) {
  Child* probe =
      Launch(BuildPath("tests/x11_probe"), {"present", "0", "0", "1", "1"}, {}, ":99999");
  ASSERT_NE(probe, nullptr);
  EXPECT_EQ(WaitExit(*probe), 1);
}

}  // namespace
}  // namespace corvane::e2e
