#include "toolkit/property_bag.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::platform {
namespace {

std::vector<std::string> NamesOf(const PropertyBag& bag) {
  std::vector<std::string> names;
  for (const PropertyBag::Entry& e : bag.entries()) names.push_back(e.name);
  return names;
}

TEST(PropertyBag, WritesLeaveDefaultsOutAndKeepTheFirstWriteOrder) {
  PropertyBag bag;
  bag.WriteProperty<std::int32_t>("FrameStyle", 0, 1);
  bag.WriteProperty<std::int16_t>("ShadowDepth", 5, 5);  // default: not written
  bag.WriteProperty<bool>("ShowShadow", false, true);
  bag.WriteProperty<std::string>("Caption", "OK", "");
  bag.WriteProperty<std::int32_t>("framestyle", 7, 1);  // same name: replaced where it stands
  bag.WriteProperty<std::string>("CAPTION", "", "");    // back to its default: removed
  EXPECT_EQ(NamesOf(bag), (std::vector<std::string>{"framestyle", "ShowShadow"}));
  EXPECT_EQ(bag.ReadProperty<std::int32_t>("FRAMESTYLE", 1), 7);
  EXPECT_EQ(bag.ReadProperty<std::string>("Caption", "none"), "none");
}

TEST(PropertyBag, ReadsMatchNamesAndTypes) {
  gfx::FontSpec font{"IPAPGothic", 9.75F, 700, true, true, false, 128};
  const PropertyBag bag({{"shadowdepth", std::int16_t{45}},
                         {"wide", std::int32_t{70000}},
                         {"negative", std::int16_t{-1}},
                         {"flag", true},
                         {"font", font}});
  const struct {
    const char* name;
    std::int64_t as_int32, as_int16, as_uint8;
  } cases[] = {
      {"ShadowDepth", 45, 45, 45},                        // other case, every width that holds it
      {"wide", 70000, -9, -9},                            // too wide for 16 bits: the default
      {"negative", -1, -1, -9},    {"flag", -9, -9, -9},  // a flag is not an integer
      {"missing", -9, -9, -9},                            // missing: the default
  };
  for (const auto& c : cases) {
    EXPECT_EQ(bag.ReadProperty<std::int32_t>(c.name, -9), c.as_int32) << c.name;
    EXPECT_EQ(bag.ReadProperty<std::int16_t>(c.name, -9), c.as_int16) << c.name;
    EXPECT_EQ(bag.ReadProperty<std::uint8_t>(c.name, 247), c.as_uint8 == -9 ? 247 : c.as_uint8)
        << c.name;
  }
  EXPECT_TRUE(bag.ReadProperty<bool>("FLAG", false));
  EXPECT_EQ(bag.ReadProperty<gfx::FontSpec>("Font", {}), font);
  EXPECT_EQ(bag.ReadProperty<gfx::FontSpec>("wide", {}), gfx::FontSpec{});
}

}  // namespace
}  // namespace corvane::platform
