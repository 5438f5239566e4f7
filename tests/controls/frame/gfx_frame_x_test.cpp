#include "controls/frame/gfx_frame_x.h"

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "gfx/pixel_access.h"
#include "tests/controls/frame/frame_reference.h"
#include "tests/toolkit/forms_fixture.h"
#include "toolkit/form.h"
#include "toolkit/image_control.h"
#include "toolkit/label.h"

namespace corvane::controls {
namespace {

using platform::PropertyBag;
using platform::Rect;

constexpr gfx::ColorRef kAmbient = gfx::Rgb(200, 200, 200);
constexpr gfx::ColorRef kPoison = gfx::Rgb(1, 2, 3);

// One frame of 100 x 60 pixels at (10, 10) on a form of the ambient colour, shown.
class GFXFrameXTest : public platform::FormsTest {
 protected:
  GFXFrameXTest() {
    form_.SetScaleMode(platform::ScaleMode::kPixels);
    form_.Move(0, 0, 460 * 15, 330 * 15);
    form_.SetBackColor(kAmbient);
    frame_.SetBounds(Rect{10, 10, 110, 70});
    frame_.on_property_changed = [this](std::string_view name) { changed_.emplace_back(name); };
  }
  ~GFXFrameXTest() override { form_.Unload(); }

  void Load(std::vector<platform::StoredInstance> stored = {}) {
    form_.SetStoredInstances(std::move(stored));
    form_.Show();
  }
  // What the control's own window shows, row after row.
  std::vector<gfx::ColorRef> Shown(const platform::WindowedControl& control) {
    return test::ColoursOf(windows_.Find(control.hWnd())->presented);
  }
  platform::Form form_{"f", platform::BorderStyle::kNone};
  GFXFrameX frame_{&form_, "Frame"};
  std::vector<std::string> changed_;
};

TEST_F(GFXFrameXTest, SettingAPropertyAppliesItsLimitTellsTheHostAndRedraws) {
  using Frame = GFXFrameX;
  const struct {
    const char* name;
    std::function<void(Frame&, int)> set;
    std::function<int(const Frame&)> get;
    int value, stored;
  } cases[] = {
      {"ShadowDepth", &Frame::SetShadowDepth, &Frame::ShadowDepth, 1, 2},
      {"ShadowOpacity", &Frame::SetShadowOpacity, &Frame::ShadowOpacity, 150, 100},
      {"ShadowOpacity", &Frame::SetShadowOpacity, &Frame::ShadowOpacity, 50, 50},  // unchanged
      {"CornerDepth", &Frame::SetCornerDepth, &Frame::CornerDepth, 60, 50},
      {"CornerDepth", &Frame::SetCornerDepth, &Frame::CornerDepth, -1, 0},
      {"FrameStyle", &Frame::SetFrameStyle, &Frame::FrameStyle, 7, 7},
      {"BackColourIs", &Frame::SetBackColourIs, &Frame::BackColourIs, -4, -4},
  };
  Load();
  for (const auto& c : cases) {
    changed_.clear();
    frame_.Image().Fill(kPoison);
    c.set(frame_, c.value);
    EXPECT_EQ(c.get(frame_), c.stored) << c.name << " " << c.value;
    EXPECT_EQ(changed_, std::vector<std::string>{c.name});
    EXPECT_NE(Shown(frame_).front(), kPoison) << c.name;
  }
}

TEST_F(GFXFrameXTest, ANewFrameFollowsTheContainerAndRedrawsOnResize) {
  Load();
  // A rectangle with a 5-pixel shadow at 50, a black outline, fill and background the form's.
  EXPECT_EQ(Shown(frame_), test::ReferenceFrame(NewFrameFields(kAmbient), kAmbient, 100, 60));
  form_.SetBackColor(gfx::Rgb(0, 90, 0));
  EXPECT_EQ(Shown(frame_)[99], gfx::Rgb(0, 90, 0)) << "the top-right corner shows the background";
  EXPECT_EQ(frame_.BackColor(), gfx::Rgb(0, 90, 0)) << "controls inside take it as their ambient";
  frame_.SetBackColourIs(1);  // BackColour kept the container's colour at creation
  EXPECT_EQ(Shown(frame_)[99], kAmbient);
  frame_.SetBounds(Rect{10, 10, 90, 90});
  EXPECT_EQ(Shown(frame_), test::ReferenceFrame(frame_.fields(), kAmbient, 80, 80));
  EXPECT_TRUE(changed_ == std::vector<std::string>{"BackColourIs"});
}

// Stored values load under lower-case names too, without the limits; missing colours take the
// ambient colour of the moment.
TEST_F(GFXFrameXTest, StoredValuesLoadAsStored) {
  form_.SetBackColor(gfx::Rgb(10, 20, 30));
  Load({{"frame",
         PropertyBag({{"shadowdepth", std::int16_t{45}}, {"shadowopacity", std::int16_t{300}}})}});
  EXPECT_EQ(std::make_tuple(frame_.ShadowDepth(), frame_.ShadowOpacity(), frame_.FrameStyle()),
            std::make_tuple(std::int16_t{45}, std::int16_t{300}, kFrameRectangle));
  EXPECT_EQ(frame_.BackColour(), gfx::Rgb(10, 20, 30));
  EXPECT_EQ(frame_.FillColour(), gfx::Rgb(10, 20, 30));
  EXPECT_EQ(Shown(frame_)[99], gfx::Rgb(10, 20, 30)) << "drawn at load";
}

TEST_F(GFXFrameXTest, ControlsInsideDrawOverTheFrameAndMoveWithIt) {
  platform::ImageControl image(&frame_);
  image.SetPicture(platform::SolidSurface(6, 6, gfx::Rgb(255, 0, 0)));
  image.SetBounds(Rect{20, 20, 26, 26});
  platform::Label label(&frame_);
  label.SetForeColor(gfx::Rgb(0, 0, 255));
  label.SetCaption("A");
  label.SetBounds(Rect{40, 20, 60, 30});
  Load();
  frame_.SetFillColour(gfx::Rgb(0, 255, 0));  // a redraw keeps them on top
  EXPECT_EQ(ScreenAt(10 + 22, 10 + 22), 0x00FF0000u);
  EXPECT_EQ(ScreenAt(10 + 41, 10 + 20), 0x000000FFu);
  EXPECT_EQ(ScreenAt(10 + 40, 10 + 20), 0x0000FF00u) << "the label is transparent";
  frame_.SetBounds(Rect{150, 100, 250, 160});
  EXPECT_EQ(ScreenAt(150 + 22, 100 + 22), 0x00FF0000u);
  EXPECT_EQ(ScreenAt(150 + 41, 100 + 20), 0x000000FFu);
  EXPECT_EQ(ScreenAt(10 + 22, 10 + 22), gfx::ToPixel(kAmbient)) << "nothing left behind";
}

}  // namespace
}  // namespace corvane::controls
