#include "preview/preview_startup.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <vector>

#include "core/shared_state.h"
#include "preview/corvane_r.h"
#include "tests/support/platform_test.h"
#include "winapi/user32.h"

namespace corvane {
namespace {

using platform::HWND;
using platform::Rect;
using platform::fake::FakeWindowService;

TEST(PreviewTwips, RoundsToTheNearestAndRefusesWhatDoesNotFit16Bits) {
  const std::vector<std::pair<double, std::optional<std::int16_t>>> cases = {
      {32767.5, std::nullopt},  // rounds to 32768
      {22.5, 22},               // halves go to the even neighbour
      {37.5, 38},
      {-32769.0, std::nullopt},
      {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
  };
  for (const auto& [twips, expected] : cases) EXPECT_EQ(PreviewTwips(twips), expected) << twips;
}

class PreviewStartupTest : public test_support::PlatformTest {
 protected:
  HWND Host(int x, int y, int width, int height) {
    return windows_.AddForeignWindow(Rect{x, y, x + width, y + height}, "pane");
  }

  Corvane_R form_;
};

TEST_F(PreviewStartupTest, TheFormAndItsUnstretchedImageFillThePane) {
  const struct {
    int width, height;
    double dpi;
    int shown_width;  // A pane beyond the twips range leaves that dimension at zero.
    double form_width_twips, form_height_twips;
  } cases[] = {{152, 112, 144, 152, 1520, 1120},  // 10 twips a pixel
               {2185, 112, 96, 0, 0, 1680}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.width << "x" << c.height << " at " << c.dpi << " dpi");
    windows_.SetScreen({1024, 768}, c.dpi);
    Corvane_R form;
    // The host's position on the screen must not move the preview inside it.
    const HWND host = Host(300, 200, c.width, c.height);
    StartPreview(form, host);
    ASSERT_TRUE(form.IsLoaded());
    const FakeWindowService::Window* window = windows_.Find(form.hWnd());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->parent, host);
    EXPECT_TRUE(window->visible);
    EXPECT_EQ(window->bounds, (Rect{0, 0, c.shown_width, c.height}));
    EXPECT_DOUBLE_EQ(form.Width(), c.form_width_twips);
    EXPECT_DOUBLE_EQ(form.Height(), c.form_height_twips);
    EXPECT_EQ(form.Img_Prev.bounds(), (Rect{0, 0, c.shown_width, c.height}));
    EXPECT_FALSE(form.Img_Prev.Stretch());
    form.Unload();
  }
}

TEST_F(PreviewStartupTest, WithoutAHostWindowTheFormIsUnloadedAndNeverShown) {
  for (const HWND host : {HWND{0}, HWND{999999}}) {
    Corvane_R form;
    HWND window = 0;
    form.on_load = [&] { window = form.hWnd(); };
    StartPreview(form, host);
    EXPECT_FALSE(form.IsLoaded()) << host;
    EXPECT_EQ(platform::Form::LoadedCount(), 0) << host;
    EXPECT_NE(window, 0U);
    EXPECT_FALSE(windows_.Exists(window)) << "no stray top-level window is left on the screen";
  }
}

TEST_F(PreviewStartupTest, ClosingThePreviewEndsItWithoutAskingTheHostToClose) {
  const HWND host = Host(10, 10, 152, 112);
  StartPreview(form_, host);
  const HWND preview = form_.hWnd();
  // Keys and clicks change nothing; the host destroying its pane is covered end to end.
  windows_.ClickAt(platform::Point{50, 50});
  windows_.Key(0x20);
  loop_.DrainPosted();
  EXPECT_TRUE(form_.IsLoaded());
  EXPECT_FALSE(loop_.Quitting());
  API_Result = 0;
  EXPECT_EQ(platform::PostMessageA(preview, platform::kWmClose, 0, 0), 1);
  loop_.DrainPosted();
  EXPECT_FALSE(form_.IsLoaded());
  EXPECT_TRUE(loop_.Quitting());
  EXPECT_EQ(API_Result, 1) << "the unload handler's close request was posted";
  ASSERT_NE(windows_.Find(host), nullptr);
  EXPECT_EQ(windows_.Find(host)->close_requests, 0);
  EXPECT_FALSE(windows_.Exists(preview));
}

}  // namespace
}  // namespace corvane
