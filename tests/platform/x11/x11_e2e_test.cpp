#include <signal.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/xvfb_fixture.h"

namespace corvane::e2e {
namespace {

class X11Backend : public XvfbTest {
 protected:
  Child* Probe(const std::vector<std::string>& args) {
    return Launch(BuildPath("tests/x11_probe"), args);
  }

  // Reads blocks of a patterned screen into a grey surface at an offset, and checks every pixel
  // of the surface: the screen's where the block lies on the screen, grey everywhere else. The
  // whole screen is larger than the segment a capture goes through, so it takes several bands,
  // the last one shorter.
  void ExpectCapturesMatchTheScreen() {
    const std::uint32_t colours[] = {0xC03020, 0x20A040, 0x2040C0, 0xE0C020, 0x8030A0};
    for (int band = 0; band < 5; ++band) PaintWindow(band * 128, 0, 128, 480, colours[band]);
    PaintWindow(0, 200, 640, 37, 0xFFFFFF);
    PaintWindow(0, 450, 640, 10, 0x102030);
    PaintWindow(300, 0, 3, 480, 0x010203);
    const std::vector<std::uint32_t> screen = ReadPixels(root(), 0, 0, 640, 480);
    struct Case {
      int x, y, w, h, dx, dy;
    };
    for (const Case c : {Case{0, 0, 640, 480, 0, 0}, Case{100, 50, 300, 200, 7, 3},
                         Case{600, 400, 100, 100, 2, 1}}) {
      SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " " << c.w << "x" << c.h);
      Child* probe =
          Probe({"capture", std::to_string(c.x), std::to_string(c.y), std::to_string(c.w),
                 std::to_string(c.h), std::to_string(c.dx), std::to_string(c.dy)});
      ASSERT_NE(probe, nullptr);
      const std::optional<std::string> line = ReadLine(*probe);
      ASSERT_TRUE(line.has_value());
      std::istringstream words(*line);
      std::string status;
      words >> status;
      EXPECT_EQ(status, "read");
      std::vector<std::uint32_t> expected;
      std::vector<std::uint32_t> read;
      for (int row = 0; row < c.dy + c.h; ++row) {
        for (int col = 0; col < c.dx + c.w; ++col) {
          const int sx = c.x + col - c.dx;
          const int sy = c.y + row - c.dy;
          const bool captured = col >= c.dx && row >= c.dy && sx < 640 && sy < 480;
          expected.push_back(captured ? screen[sy * 640 + sx] : 0x808080);
          std::uint32_t pixel = 0;
          words >> std::hex >> pixel;
          read.push_back(pixel);
        }
      }
      EXPECT_EQ(read, expected);
      EXPECT_EQ(WaitExit(*probe), 0);
    }
  }
};

TEST_F(X11Backend, ScreenCapturesAreTheScreenPixelForPixel) { ExpectCapturesMatchTheScreen(); }

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
  ScreenOptions Options() const override { return {640, 480, 96, {"-extension", "MIT-SHM"}}; }
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
  EXPECT_TRUE(WaitUntil([&] { return ReadPixels(root(), 13, 7, 40, 30) == expected; }));
}

TEST_F(PlainPresentTest, ScreenCapturesAreTheScreenPixelForPixelWithoutSharedMemory) {
  ExpectCapturesMatchTheScreen();
}

TEST_F(X11Backend, WithoutAnXServerTheProgramSaysSoAndFails) {
  Child* probe =
      Launch(BuildPath("tests/x11_probe"), {"present", "0", "0", "1", "1"}, {}, ":99999");
  ASSERT_NE(probe, nullptr);
  EXPECT_EQ(WaitExit(*probe), 1);
}

}  // namespace
}  // namespace corvane::e2e
