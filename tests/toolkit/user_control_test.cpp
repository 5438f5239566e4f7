#include "toolkit/user_control.h"

#include "tests/toolkit/forms_fixture.h"
#include "tests/toolkit/probe_control.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/picture_box.h"

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

// An instance is sited from its stored entries, found by name in any case, or as a new one.
TEST_F(UserControlTest, InstancesLoadFromTheirStoredEntries) {
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

}  // namespace
}  // namespace corvane::platform
