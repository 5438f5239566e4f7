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

TEST_F(UserControlTest, LoadingSitesEachInstanceFromItsStoredEntriesOrAsANewOne) {
  struct Case {
    const char* what;
    std::vector<StoredInstance> stored;
    Log expected;
  };
  const PropertyBag extent({{"_ExtentX", std::int32_t{1720}},
                            {"_extenty", std::int32_t{661}},
                            {"VALUE", std::int32_t{3}}});
  for (const Case& c : {
           Case{"nothing stored: a new instance at the form's size",
                {},
                {"Cmd init", "Cmd resize 30x10"}},
           Case{"names in any case: extent in HIMETRIC, then the control's own entries",
                {{"cmd", extent}},
                {"Cmd read 3", "Cmd resize 65x25"}},
           Case{"stored without an extent: the form's size stays",
                {{"Cmd", PropertyBag()}},
                {"Cmd read 7", "Cmd resize 30x10"}},
       }) {
    log_.clear();
    Form form("f", BorderStyle::kNone);
    form.SetScaleMode(ScaleMode::kPixels);
    ProbeControl control(&form, "Cmd", log_);
    control.SetBounds(Rect{5, 5, 35, 15});
    form.SetStoredInstances(c.stored);
    form.Load();
    EXPECT_EQ(log_, c.expected) << c.what;
    EXPECT_EQ(control.bounds().top, 5) << c.what;
    EXPECT_EQ(control.Image().width(), control.bounds().Width()) << c.what;
    form.Unload();
  }
}

TEST_F(UserControlTest, SavingWritesTheExtentAndOnlyTheEntriesThatDifferFromTheirDefaults) {
  ProbeControl a(&form_, "A", log_);
  ProbeControl b(&form_, "B", log_);
  a.SetBounds(Rect{0, 0, 65, 25});
  b.SetBounds(Rect{0, 0, 25, 21});
  form_.SetStoredInstances({{"b", PropertyBag({{"Value", std::int32_t{9}}})}});
  form_.Load();
  EXPECT_EQ(b.value(), 9);
  EXPECT_FALSE(a.Changed());
  a.SetValue(3);
  b.SetValue(7);
  EXPECT_TRUE(a.Changed());
  form_.SaveInstances();
  EXPECT_FALSE(a.Changed());
  const auto& stored = form_.StoredInstances();
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[0].name, "b") << "an instance keeps its place in the table";
  EXPECT_EQ(stored[0].properties.entries().size(), 2u) << "Value 7 is the default, not written";
  EXPECT_EQ(stored[0].properties.ReadProperty<std::int32_t>("_extentx", 0), 661);
  EXPECT_EQ(stored[0].properties.ReadProperty<std::int32_t>("_extenty", 0), 556);
  EXPECT_EQ(stored[1].name, "A");
  EXPECT_EQ(stored[1].properties.ReadProperty<std::int32_t>("_extentx", 0), 1720);
  EXPECT_EQ(stored[1].properties.ReadProperty<std::int32_t>("Value", 0), 3);
  form_.Unload();

  // The saved table brings the same instances back.
  log_.clear();
  form_.Load();
  EXPECT_EQ(log_, (Log{"A read 3", "A resize 65x25", "B read 7", "B resize 25x21"}));
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

TEST_F(UserControlTest, AmbientPropertiesComeFromTheContainerAndItsChangesAreTold) {
  PictureBox panel(&form_);
  ProbeControl control(&panel, "C", log_);
  panel.SetBackColor(gfx::Rgb(1, 2, 3));
  gfx::FontSpec font = panel.Font();
  font.points = 12;
  panel.SetFont(font);
  form_.SetBackColor(gfx::Rgb(9, 9, 9));  // Not the control's container.
  EXPECT_EQ(log_, (Log{"C ambient BackColor", "C ambient Font"}));
  EXPECT_EQ(control.AmbientBackColor(), gfx::Rgb(1, 2, 3));
  EXPECT_EQ(control.AmbientFont().points, 12.0F);
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
