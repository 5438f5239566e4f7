// The property store of hosted controls: stored instances made of arbitrary entries, loaded into
// a form with a frame and a button that read them, draw, and save them again.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "controls/command/command.h"
#include "controls/frame/gfx_frame_x.h"
#include "fuzz/fuzz_input.h"
#include "platform/fake/fake_platform.h"
#include "toolkit/form.h"
#include "toolkit/stored_instance.h"

namespace corvane::fuzz {
namespace {

using namespace platform;

// The names the controls and their host read, in two spellings, and one nobody reads.
constexpr std::array<std::string_view, 19> kNames = {
    "_extentx",   "_ExtentY",    "BackColour", "backcolouris", "BorderColour",
    "Caption",    "CornerDepth", "Enabled",    "FillColour",   "FirstRun",
    "font",       "FontColour",  "FrameStyle", "ShadowDepth",  "shadowopacity",
    "ShowShadow", "Visible",     "Unknown",    "_extentx"};

template <class T>
T Number(std::string_view bytes) {
  T value{};
  std::memcpy(&value, bytes.data(), std::min(sizeof value, bytes.size()));
  return value;
}

PropertyValue ValueOf(std::uint8_t type, std::string_view bytes) {
  switch (type % 6) {
    case 0:
      return Number<std::int32_t>(bytes);
    case 1:
      return Number<std::int16_t>(bytes);
    case 2:
      return Number<std::uint8_t>(bytes);
    case 3:
      return !bytes.empty() && bytes.front() % 2 == 1;
    case 4:
      return std::string(bytes);
    default: {
      gfx::FontSpec font;
      font.points = static_cast<float>(Number<std::int16_t>(bytes)) / 4;
      font.weight = Number<std::int16_t>(bytes.substr(std::min<std::size_t>(2, bytes.size())));
      font.face = std::string(bytes.substr(std::min<std::size_t>(4, bytes.size())));
      return font;
    }
  }
}

// Each field is one entry: which instance and name (one byte), the value's type (one byte) and
// the value's bytes.
std::array<PropertyBag, 2> Bags(Fields& fields) {
  std::array<std::vector<PropertyBag::Entry>, 2> entries;
  for (std::string_view field = fields.Next(); field.size() >= 2; field = fields.Next()) {
    const auto pick = static_cast<std::uint8_t>(field[0]);
    entries[pick % 2].push_back({std::string(kNames[pick / 2 % kNames.size()]),
                                 ValueOf(static_cast<std::uint8_t>(field[1]), field.substr(2))});
  }
  return {PropertyBag(std::move(entries[0])), PropertyBag(std::move(entries[1]))};
}

// Loads a form whose frame and button read the stored instances, lets it draw, and saves it.
std::vector<StoredInstance> LoadAndSave(fake::FakeEventLoop& loop,
                                        std::vector<StoredInstance> stored) {
  Form form("f", BorderStyle::kNone);
  form.SetScaleMode(ScaleMode::kPixels);
  form.Move(0, 0, 200 * 15, 120 * 15);
  controls::GFXFrameX frame(&form, "Frame");
  controls::Command button(&form, "Button");
  frame.SetBounds(Rect{10, 10, 110, 70});
  button.SetBounds(Rect{120, 10, 190, 40});
  form.SetStoredInstances(std::move(stored));
  form.Show();
  loop.AdvanceMs(100);
  form.SaveInstances();
  std::vector<StoredInstance> saved = form.StoredInstances();
  form.Unload();
  return saved;
}

// Whether a form saved, loaded and saved again gives the same entries. An empty extent is left out
// of the first save, and a control without one takes the size the form gives it, so the second
// save may add an extent where the first had none.
bool SameEntries(const std::vector<StoredInstance>& first,
                 const std::vector<StoredInstance>& second) {
  return std::ranges::equal(first, second, [](const StoredInstance& x, const StoredInstance& y) {
    std::vector<PropertyBag::Entry> kept;
    for (const PropertyBag::Entry& entry : y.properties.entries()) {
      const bool extent = entry.name == "_extentx" || entry.name == "_extenty";
      if (!extent || x.properties.ReadProperty<std::int32_t>(entry.name, 0) != 0) {
        kept.push_back(entry);
      }
    }
    return x.name == y.name &&
           std::ranges::equal(x.properties.entries(), kept,
                              [](const PropertyBag::Entry& e, const PropertyBag::Entry& f) {
                                return e.name == f.name && e.value == f.value;
                              });
  });
}

}  // namespace
}  // namespace corvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvane::fuzz;
  static fake::FakePlatform fakes;
  Fields fields(data, size);
  std::array<PropertyBag, 2> bags = Bags(fields);
  const std::vector<StoredInstance> saved =
      LoadAndSave(fakes.loop(), {{"Frame", std::move(bags[0])}, {"Button", std::move(bags[1])}});
  Require(SameEntries(saved, LoadAndSave(fakes.loop(), saved)),
          "a saved form loads and saves again unchanged");
  return 0;
}
