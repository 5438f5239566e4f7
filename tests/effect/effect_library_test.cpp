#include "platform/api/effect_library.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "platform/fake/fake_dynamic_libraries.h"

namespace corvane::platform {
namespace {

struct Arguments {
  std::uint32_t destination, source;
  std::int32_t relief, phase, variant;
  std::int32_t* result;
};
Arguments last_call;

std::int32_t RecordingMetallic(std::uint32_t destination, std::uint32_t source, std::int32_t relief,
                               std::int32_t phase, std::int32_t variant, std::int32_t* result) {
  last_call = {destination, source, relief, phase, variant, result};
  if (result != nullptr) *result = 42;
  return 7;
}

FARPROC Entry(GPX_MetallicProc proc) { return reinterpret_cast<FARPROC>(proc); }

class EffectLibraryTest : public testing::Test {
 protected:
  FakeDynamicLibraries libraries_;
  ScopedService<DynamicLibraries> service_{libraries_};
};

TEST_F(EffectLibraryTest, CallsTheEntryPointWithTheArgumentsInOrder) {
  libraries_.Provide("/opt/c/Corvane.dll", {{"GPX_Metallic", Entry(&RecordingMetallic)}});
  auto library = EffectLibrary::Load("/opt/c/Corvane.dll");
  ASSERT_TRUE(library.has_value());
  std::int32_t result = 0;
  EXPECT_EQ(library->GPX_Metallic(0x10001, 0x10002, 4, 255, 3, &result), 7);
  EXPECT_EQ(result, 42);
  EXPECT_EQ(std::tie(last_call.destination, last_call.source, last_call.relief, last_call.phase,
                     last_call.variant, last_call.result),
            std::make_tuple(0x10001u, 0x10002u, 4, 255, 3, &result));
}

TEST_F(EffectLibraryTest, HoldsTheLibraryExactlyAsLongAsItLives) {
  const std::string path = "/opt/c/Corvane.dll";
  libraries_.Provide(path, {{"GPX_Metallic", Entry(&RecordingMetallic)}});
  {
    auto first = EffectLibrary::Load(path);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(libraries_.LoadCount(path), 1);
    EffectLibrary moved = std::move(*first);
    first.reset();
    EXPECT_EQ(libraries_.LoadCount(path), 1) << "a moved-from hold releases nothing";
    auto second = EffectLibrary::Load(path);
    moved = std::move(*second);
    EXPECT_EQ(libraries_.LoadCount(path), 1) << "assigning over a hold releases it";
  }
  EXPECT_EQ(libraries_.LoadCount(path), 0);
}

TEST_F(EffectLibraryTest, MissingLibraryOrEntryPointGivesNothingAndKeepsNothingLoaded) {
  libraries_.Provide("/opt/c/Other.dll", {{"Something", Entry(&RecordingMetallic)}});
  EXPECT_FALSE(EffectLibrary::Load("/opt/c/Corvane.dll").has_value());
  EXPECT_FALSE(EffectLibrary::Load("/opt/c/Other.dll").has_value());
  EXPECT_EQ(libraries_.LoadCount("/opt/c/Other.dll"), 0);
  EXPECT_EQ(libraries_.loads(),
            (std::vector<std::string>{"/opt/c/Corvane.dll", "/opt/c/Other.dll"}));
}

}  // namespace
}  // namespace corvane::platform
