#include "settings/dialog_frames.h"

#include <cstdint>

namespace corvane::settings {

namespace {

struct Placement {
  std::string_view name;
  std::string_view container;
  gfx::Rect bounds;
};

struct StoredEntry {
  std::string_view instance;
  std::string_view key;
  platform::PropertyValue value;
};

constexpr Placement kPlacements[] = {
    {"GFXFrameX4", "Pic_C", {20, 20, 65, 65}},        // the program icon's box
    {"GFXFrameX3", "Pic_C", {68, 20, 293, 65}},       // the title
    {"GFXFrameX1", "Pic_C", {20, 76, 417, 233}},      // the settings panel
    {"GFXFrameX2", "GFXFrameX1", {12, 12, 121, 37}},  // the "BGM" caption
};

// Colours as 0x00BBGGRR.
const StoredEntry kEntries[] = {
    {"GFXFrameX4", "shadowdepth", std::int16_t{8}},
    {"GFXFrameX4", "fillcolour", std::int32_t{0x00FFFFFF}},
    {"GFXFrameX4", "backcolouris", std::int32_t{1}},
    {"GFXFrameX4", "bordercolour", std::int32_t{0x00C00000}},
    {"GFXFrameX4", "cornerdepth", std::int16_t{5}},

    {"GFXFrameX3", "framestyle", std::int32_t{0}},
    {"GFXFrameX3", "shadowdepth", std::int16_t{7}},
    {"GFXFrameX3", "fillcolour", std::int32_t{0x00FFFFFF}},
    {"GFXFrameX3", "backcolouris", std::int32_t{1}},
    {"GFXFrameX3", "bordercolour", std::int32_t{0x00C00000}},

    {"GFXFrameX1", "framestyle", std::int32_t{0}},
    {"GFXFrameX1", "shadowdepth", std::int16_t{10}},
    {"GFXFrameX1", "fillcolour", std::int32_t{0x00FFC0C0}},
    {"GFXFrameX1", "backcolouris", std::int32_t{1}},
    {"GFXFrameX1", "bordercolour", std::int32_t{0x00C00000}},

    {"GFXFrameX2", "fillcolour", std::int32_t{0x00FFFFFF}},
    {"GFXFrameX2", "backcolour", std::int32_t{0x00FFC0C0}},
    {"GFXFrameX2", "backcolouris", std::int32_t{1}},
    {"GFXFrameX2", "bordercolour", std::int32_t{0x00FF0000}},
};

std::vector<StoredFrame> Build() {
  std::vector<StoredFrame> frames;
  for (const Placement& p : kPlacements) {
    std::vector<platform::PropertyBag::Entry> entries;
    for (const StoredEntry& e : kEntries) {
      if (e.instance == p.name) entries.push_back({std::string(e.key), e.value});
    }
    frames.push_back({p.name, p.container, p.bounds, platform::PropertyBag(std::move(entries))});
  }
  return frames;
}

}  // namespace

const std::vector<StoredFrame>& DialogFrames() {
  static const std::vector<StoredFrame> frames = Build();
  return frames;
}

}  // namespace corvane::settings
