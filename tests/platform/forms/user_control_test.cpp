#include "platform/forms/user_control.h"

#include "platform/forms/form.h"
#include "platform/forms/label.h"
#include "platform/forms/picture_box.h"
#include "tests/platform/forms/forms_fixture.h"
#include "tests/platform/forms/probe_control.h"

namespace corvane::platform {
namespace {

using Log = std::vector<std::string>;

class UserControlTest : public FormsTest {
 protected:
  UserControlTest() {
    form_.SetScaleMode(ScaleMode::kPixels);
    form_.Move(0, 0, 200 * 15, 100 * 15);
  }
  Log log_;
  Form form_{"f", BorderStyle::kNone};
};

// An instance is sited from its stored entries, found by name in any case, or as a new one;
// saving writes its extent in HIMETRIC and only the entries that differ from their defaults.
TEST_F(UserControlTest, InstancesLoadFromTheirStoredEntriesAndSaveWhatDiffersFromTheDefaults) {
  ProbeControl a(&form_, "A", log_);
  ProbeControl b(&form_, "B", log_);
  ProbeControl c(&form_, "C", log_);
  a.SetBounds(Rect{0, 0, 65, 25});
  b.SetBounds(Rect{0, 0, 25, 21});
  c.SetBounds(Rect{5, 5, 35, 15});
  form_.SetStoredInstances(
      {{"b", PropertyBag({{"Value", std::int32_t{9}}})},
       {"c", PropertyBag({{"_ExtentX", std::int32_t{1720}}, {"_extenty", std::int32_t{661}}})}});
  form_.Load();
  // A is new; B, stored without an extent, keeps its size; C takes its extent.
  EXPECT_EQ(log_, (Log{"A init", "A resize 65x25", "B read 9", "B resize 25x21", "C read 7",
                       "C resize 65x25"}));
  EXPECT_FALSE(a.Changed());
  a.SetValue(3);
  b.SetValue(7);
  EXPECT_TRUE(a.Changed());
  form_.SaveInstances();
  EXPECT_FALSE(a.Changed());
  const auto& stored = form_.StoredInstances();
  ASSERT_EQ(stored.size(), 3u);
  EXPECT_EQ(stored[0].name, "b") << "an instance keeps its place in the table";
  EXPECT_EQ(stored[0].properties.entries().size(), 2u) << "Value 7 is the default, not written";
  EXPECT_EQ(stored[0].properties.ReadProperty<std::int32_t>("_extentx", 0), 661);
  EXPECT_EQ(stored[0].properties.ReadProperty<std::int32_t>("_extenty", 0), 556);
  EXPECT_EQ(stored[2].name, "A");
  EXPECT_EQ(stored[2].properties.ReadProperty<std::int32_t>("_extentx", 0), 1720);
  EXPECT_EQ(stored[2].properties.ReadProperty<std::int32_t>("Value", 0), 3);
  form_.Unload();

  // The saved table brings the same instances back.
  log_.clear();
  form_.Load();
  EXPECT_EQ(log_, (Log{"A read 3", "A resize 65x25", "B read 7", "B resize 25x21", "C read 7",
                       "C resize 65x25"}));
  form_.Unload();
}

TEST_F(UserControlTest, ControlsListsNestedControlsInCreationOrder) {
  PictureBox panel(&form_);
  Label caption(&panel);
  ProbeControl inner(&panel, "Inner", log_);
  Label last(&form_);
  { Label gone(&form_); }
  EXPECT_EQ(form_.Controls(), (std::vector<Control*>{&panel, &caption, &inner, &last}));
}

TEST_F(UserControlTest, ResizeIsToldOnlyForARealChangeOfSizeAfterSiting) {
  ProbeControl control(&form_, "C", log_);
  control.SetBounds(Rect{0, 0, 10, 10});
  form_.Load();
  log_.clear();
  control.SetBounds(Rect{5, 5, 15, 15});  // Moved, same size.
  control.SetBounds(Rect{5, 5, 20, 15});
  EXPECT_EQ(log_, (Log{"C resize 15x10"}));
  form_.Unload();
}

TEST_F(UserControlTest, PaintPictureStretchesBlocksGivenInScaleUnits) {
  // A 4 x 1 source: red, green, blue, white, in twips at 15 to the pixel.
  gfx::Surface picture = SolidSurface(4, 1, gfx::Rgb(255, 255, 255));
  picture.Row(0)[0] = 0x00FF0000;
  picture.Row(0)[1] = 0x0000FF00;
  picture.Row(0)[2] = 0x000000FF;
  ProbeControl control(&form_, "C", log_);
  control.SetBounds(Rect{0, 0, 8, 2});
  control.SetBackColor(gfx::Rgb(0, 0, 0));
  // The middle two source pixels (15..45 twips) stretched over 6 pixels from x 1 (15 twips).
  ASSERT_TRUE(control.PaintPicture(picture, 15, 0, 90, 15, 15, 0, 30, 15));
  std::vector<gfx::Pixel> row(control.Image().Row(0), control.Image().Row(0) + 8);
  EXPECT_EQ(row, (std::vector<gfx::Pixel>{0, 0x00FF00, 0x00FF00, 0x00FF00, 0x0000FF, 0x0000FF,
                                          0x0000FF, 0}));
  EXPECT_EQ(control.Image().Row(1)[1], 0u) << "one row high";
}

}  // namespace
}  // namespace corvane::platform
