#include "controls/command/command.h"
#include "controls/frame/gfx_frame_x.h"
#include "tests/toolkit/forms_fixture.h"
#include "toolkit/form.h"

namespace corvane::controls {
namespace {

using platform::PropertyBag;
using platform::StoredInstance;
using Entries = std::vector<std::pair<std::string, platform::PropertyValue>>;

// Every stored entry, as "instance.name" with its typed value, in the order stored.
Entries EntriesOf(const std::vector<StoredInstance>& instances) {
  Entries entries;
  for (const StoredInstance& instance : instances) {
    for (const PropertyBag::Entry& e : instance.properties.entries()) {
      entries.emplace_back(instance.name + "." + e.name, e.value);
    }
  }
  return entries;
}

// Loads a form of fresh controls from the stored instances and saves it at once.
std::vector<StoredInstance> LoadAndSave(std::vector<StoredInstance> stored) {
  platform::Form form("f", platform::BorderStyle::kNone);
  form.Move(0, 0, 200 * 15, 120 * 15);
  GFXFrameX frame(&form, "Frame");
  Command button(&form, "Button");
  form.SetStoredInstances(std::move(stored));
  form.Load();
  form.SaveInstances();
  std::vector<StoredInstance> saved = form.StoredInstances();
  form.Unload();
  return saved;
}

class StoredInstanceTest : public platform::FormsTest {};

// Each control with every property away from its default, in the order its WriteProperties
// writes them, after the host's extent (100 x 60 and 70 x 30 pixels in HIMETRIC).
TEST_F(StoredInstanceTest, SavedEntriesLoadIntoFreshControlsThatSaveThemAgain) {
  using I16 = std::int16_t;
  using I32 = std::int32_t;
  const gfx::FontSpec font{"IPAPGothic", 12.0F, 700, true, false, false, 128};
  const std::vector<StoredInstance> stored = {
      {"Frame", PropertyBag({{"_extentx", I32{2646}},
                             {"_extenty", I32{1588}},
                             {"FrameStyle", I32{kFrameRounded}},
                             {"ShadowOpacity", I16{80}},
                             {"ShowShadow", false},
                             {"ShadowDepth", I16{9}},
                             {"FillColour", I32{0x123456}},
                             {"BackColour", I32{0x654321}},
                             {"BackColourIs", I32{1}},
                             {"BorderColour", I32{0x00FF00}},
                             {"CornerDepth", I16{0}}})},
      {"Button", PropertyBag({{"_extentx", I32{1852}},
                              {"_extenty", I32{794}},
                              {"Enabled", false},
                              {"Caption", std::string("設定")},
                              {"FirstRun", std::uint8_t{0}},
                              {"Font", font},
                              {"FontColour", I32{0xFF}},
                              {"Visible", I16{0}}})},
  };
  const std::vector<StoredInstance> first = LoadAndSave(stored);
  EXPECT_EQ(EntriesOf(first), EntriesOf(stored)) << "every entry written as it was read";
  EXPECT_EQ(EntriesOf(LoadAndSave(first)), EntriesOf(first)) << "and read back the same";
}

}  // namespace
}  // namespace corvane::controls
