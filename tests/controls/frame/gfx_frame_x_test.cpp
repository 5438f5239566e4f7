#include "controls/frame/gfx_frame_x.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "platform/gfx/pixel_access.h"
#include "settings/dialog_frames.h"
#include "tests/controls/frame/frame_reference.h"

namespace corvane::controls {
namespace {

constexpr gfx::ColorRef kPoison = gfx::Rgb(1, 2, 3);

// Records what the frame tells its host; the image starts in a colour no frame draws.
class RecordingHost : public FrameHost {
 public:
  RecordingHost(int w, int h, gfx::ColorRef ambient)
      : image_(*gfx::Surface::Create(w, h)), ambient_(ambient) {
    image_.Fill(kPoison);
  }
  gfx::ColorRef AmbientBackColour() const override { return ambient_; }
  void PropertyChanged(std::string_view name) override { changed.emplace_back(name); }
  gfx::Surface& Image() override { return image_; }

  bool Drawn() const { return gfx::GetPixel(image_, 0, 0) != kPoison; }

  gfx::Surface image_;
  gfx::ColorRef ambient_;
  std::vector<std::string> changed;
};

std::vector<std::string> NamesOf(const platform::PropertyBag& bag) {
  std::vector<std::string> names;
  for (const auto& e : bag.entries()) names.push_back(e.name);
  return names;
}

TEST(GFXFrameX, SettingAPropertyAppliesItsLimitTellsTheHostAndRedraws) {
  using Frame = GFXFrameX;
  const struct {
    const char* name;
    std::function<void(Frame&, int)> set;
    std::function<int(const Frame&)> get;
    int value, stored;
  } cases[] = {
      {"ShadowDepth", &Frame::SetShadowDepth, &Frame::ShadowDepth, 1, 2},
      {"ShadowDepth", &Frame::SetShadowDepth, &Frame::ShadowDepth, 40, 40},
      {"ShadowDepth", &Frame::SetShadowDepth, &Frame::ShadowDepth, 41, 50},
      {"ShadowOpacity", &Frame::SetShadowOpacity, &Frame::ShadowOpacity, -5, 0},
      {"ShadowOpacity", &Frame::SetShadowOpacity, &Frame::ShadowOpacity, 150, 100},
      {"ShadowOpacity", &Frame::SetShadowOpacity, &Frame::ShadowOpacity, 50, 50},  // unchanged
      {"CornerDepth", &Frame::SetCornerDepth, &Frame::CornerDepth, -1, 0},
      {"CornerDepth", &Frame::SetCornerDepth, &Frame::CornerDepth, 60, 50},
      {"FrameStyle", &Frame::SetFrameStyle, &Frame::FrameStyle, 7, 7},
      {"BackColourIs", &Frame::SetBackColourIs, &Frame::BackColourIs, -4, -4},
  };
  for (const auto& c : cases) {
    RecordingHost host(30, 30, gfx::Rgb(200, 200, 200));
    GFXFrameX frame(host);
    frame.InitProperties();
    c.set(frame, c.value);
    EXPECT_EQ(c.get(frame), c.stored) << c.name << " " << c.value;
    EXPECT_EQ(host.changed, std::vector<std::string>{c.name});
    EXPECT_TRUE(host.Drawn()) << c.name;
  }
}

TEST(GFXFrameX, ANewFrameDrawsOnlyWhenResized) {
  const gfx::ColorRef ambient = gfx::Rgb(200, 210, 220);
  RecordingHost host(40, 30, ambient);
  GFXFrameX frame(host);
  frame.InitProperties();
  EXPECT_FALSE(host.Drawn());
  frame.Resize();
  FrameFields expected;  // a rectangle, 5-pixel shadow at 50, black outline
  expected.fill_colour = ambient;
  EXPECT_EQ(test::ColoursOf(host.image_), test::ReferenceFrame(expected, ambient, 40, 30));
  EXPECT_TRUE(host.changed.empty());
}

TEST(GFXFrameX, FollowsTheContainersBackgroundUnlessItHasItsOwn) {
  RecordingHost host(20, 20, gfx::Rgb(200, 200, 200));
  GFXFrameX frame(host);
  frame.InitProperties();
  host.ambient_ = gfx::Rgb(0, 90, 0);
  frame.AmbientChanged("BackColor");
  EXPECT_EQ(gfx::GetPixel(host.image_, 19, 0), gfx::Rgb(0, 90, 0));
  frame.SetBackColourIs(1);  // BackColour kept the container's colour at creation
  EXPECT_EQ(gfx::GetPixel(host.image_, 19, 0), gfx::Rgb(200, 200, 200));
}

TEST(GFXFrameX, SavesOnlyChangedValuesInItsOrderAndLoadsThemAsStored) {
  const gfx::ColorRef ambient = gfx::Rgb(200, 200, 200);
  RecordingHost host(30, 30, ambient);
  GFXFrameX frame(host);
  frame.InitProperties();
  platform::PropertyBag defaults;
  frame.WriteProperties(defaults);
  EXPECT_TRUE(defaults.entries().empty());

  // Set in another order than the store's; every value differs from its default.
  frame.SetCornerDepth(3);
  frame.SetBorderColour(0x00C00000);
  frame.SetBackColourIs(1);
  frame.SetBackColour(0x00FFC0C0);
  frame.SetFillColour(0x00FFFFFF);
  frame.SetShadowDepth(8);
  frame.SetShowShadow(false);
  frame.SetShadowOpacity(70);
  frame.SetFrameStyle(0);
  platform::PropertyBag bag;
  frame.WriteProperties(bag);
  EXPECT_EQ(NamesOf(bag),
            (std::vector<std::string>{"FrameStyle", "ShadowOpacity", "ShowShadow", "ShadowDepth",
                                      "FillColour", "BackColour", "BackColourIs", "BorderColour",
                                      "CornerDepth"}));
  GFXFrameX copy(host);
  copy.ReadProperties(bag);
  EXPECT_TRUE(copy.fields() == frame.fields());

  // Lower-case names load, without the limits; missing colours take the ambient colour now.
  host.ambient_ = gfx::Rgb(10, 20, 30);
  host.image_.Fill(kPoison);
  const platform::PropertyBag stored(
      {{"shadowdepth", std::int16_t{45}}, {"shadowopacity", std::int16_t{300}}});
  copy.ReadProperties(stored);
  EXPECT_EQ(copy.ShadowDepth(), 45);
  EXPECT_EQ(copy.ShadowOpacity(), 300);
  EXPECT_EQ(copy.BackColour(), gfx::Rgb(10, 20, 30));
  EXPECT_EQ(copy.FillColour(), gfx::Rgb(10, 20, 30));
  EXPECT_EQ(copy.FrameStyle(), kFrameRectangle);
  EXPECT_TRUE(host.Drawn());
}

TEST(GFXFrameX, TheDialogsFramesMatchTheirReference) {
  // The settings dialog gives three frames the colour of its picture; the fourth has its own.
  const gfx::ColorRef picture = gfx::Rgb(112, 146, 190);
  const struct {
    std::int32_t style;
    std::int16_t shadow_depth, corner_depth;
    gfx::ColorRef fill, border;
  } expected[] = {
      {kFrameRectangle, 8, 5, 0x00FFFFFF, 0x00C00000},
      {kFrameRounded, 7, 10, 0x00FFFFFF, 0x00C00000},
      {kFrameRounded, 10, 10, 0x00FFC0C0, 0x00C00000},
      {kFrameRectangle, 5, 10, 0x00FFFFFF, 0x00FF0000},
  };
  ASSERT_EQ(settings::DialogFrames().size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const settings::StoredFrame& stored = settings::DialogFrames()[i];
    RecordingHost host(stored.bounds.Width(), stored.bounds.Height(), gfx::Rgb(192, 192, 192));
    GFXFrameX frame(host);
    frame.ReadProperties(stored.properties);
    const FrameFields& f = frame.fields();
    EXPECT_EQ(std::tie(f.frame_style, f.shadow_depth, f.corner_depth, f.fill_colour,
                       f.border_colour, f.back_colour_is),
              std::make_tuple(expected[i].style, expected[i].shadow_depth, expected[i].corner_depth,
                              expected[i].fill, expected[i].border, 1))
        << stored.name;
    if (stored.container == "Pic_C") frame.SetBackColour(picture);
    const gfx::ColorRef bg = frame.BackColour();
    EXPECT_EQ(
        test::ColoursOf(host.image_),
        test::ReferenceFrame(frame.fields(), bg, stored.bounds.Width(), stored.bounds.Height()))
        << stored.name;
  }
}

}  // namespace
}  // namespace corvane::controls
