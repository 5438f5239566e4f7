#include "core/effect_library.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

#include "tests/support/platform_test.h"

namespace corvane::platform {
namespace {

std::tuple<std::uint32_t, std::uint32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t*>
    last_call;

std::int32_t RecordingMetallic(std::uint32_t destination, std::uint32_t source, std::int32_t relief,
                               std::int32_t phase, std::int32_t variant, std::int32_t* result) {
  last_call = {destination, source, relief, phase, variant, result};
  *result = 42;
  return 7;
}

using EffectLibraryTest = test_support::PlatformTest;

// The entry point gets the arguments in order; the library stays loaded exactly as long as a hold
// on it lives, moved or assigned over; a missing library or entry point keeps nothing loaded.
TEST_F(EffectLibraryTest, CallsTheEntryPointAndHoldsTheLibraryAsLongAsItLives) {
  const std::string path = "/opt/c/Corvane.dll";
  libraries_.Provide(path, {{"GPX_Metallic", reinterpret_cast<FARPROC>(&RecordingMetallic)}});
  libraries_.Provide("/opt/c/Other.dll",
                     {{"Something", reinterpret_cast<FARPROC>(&RecordingMetallic)}});
  {
    auto first = EffectLibrary::Load(path);
    ASSERT_TRUE(first.has_value());
    std::int32_t result = 0;
    EXPECT_EQ(first->GPX_Metallic(0x10001, 0x10002, 4, 255, 3, &result), 7);
    EXPECT_EQ(result, 42);
    EXPECT_EQ(last_call, std::make_tuple(0x10001u, 0x10002u, 4, 255, 3, &result));
    EffectLibrary moved = std::move(*first);
    first.reset();
    EXPECT_EQ(libraries_.LoadCount(path), 1) << "a moved-from hold releases nothing";
    auto second = EffectLibrary::Load(path);
    moved = std::move(*second);
    EXPECT_EQ(libraries_.LoadCount(path), 1) << "assigning over a hold releases it";
  }
  EXPECT_EQ(libraries_.LoadCount(path), 0);
  EXPECT_FALSE(EffectLibrary::Load("/opt/c/Missing.dll").has_value());
  EXPECT_FALSE(EffectLibrary::Load("/opt/c/Other.dll").has_value());
  EXPECT_EQ(libraries_.LoadCount("/opt/c/Other.dll"), 0);
}

}  // namespace
}  // namespace corvane::platform
