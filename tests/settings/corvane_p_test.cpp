#include "settings/corvane_p.h"

#include <functional>

#include "core/zoom.h"
#include "tests/toolkit/forms_fixture.h"

namespace corvane {
namespace {

using platform::Point;
using platform::Rect;

class DialogZoom : public platform::FormsTest {};

// On the fake 1024 x 768 screen the dialog settles at ((1024 - 450) / 2, (768 - 319) / 3). It grows
// out of the point where the pointer was when it loaded and shrinks back into that point once,
// whichever way it closes, however far the pointer has moved meanwhile.
TEST_F(DialogZoom, GrowsOutOfTheLoadTimePointerAndShrinksBackIntoItOnce) {
  const Rect placed{287, 149, 287 + 450, 149 + 319};
  const Point loaded_at{400, 300};
  const Rect point{loaded_at.x, loaded_at.y, loaded_at.x, loaded_at.y};
  const struct {
    const char* name;
    std::function<void(Corvane_P&)> close;
  } ways[] = {
      {"Cancel",
       [this](Corvane_P&) {
         windows_.ClickAt({287 + 344 + 30, 149 + 256 + 12});
       }},
      {"Escape", [this](Corvane_P&) { windows_.Key(platform::kVkEscape); }},
      {"the window manager's close",
       [](Corvane_P& dialog) { static_cast<platform::WindowListener&>(dialog).OnCloseRequest(); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.name);
    const std::size_t before = windows_.Animations().size();
    windows_.MoveTo(loaded_at);
    {
      Corvane_P dialog;
      dialog.Show();
      windows_.MoveTo({5, 5});
      way.close(dialog);
      EXPECT_FALSE(dialog.Visible());
    }
    ASSERT_EQ(windows_.Animations().size(), before + 2);
    EXPECT_EQ(windows_.Animations()[before], std::make_pair(point, placed));
    EXPECT_EQ(windows_.Animations()[before + 1], std::make_pair(placed, point));
  }
}

}  // namespace
}  // namespace corvane
