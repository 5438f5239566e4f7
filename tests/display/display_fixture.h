#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/shared_state.h"
#include "display/corvane_s.h"
#include "music/cd_player.h"
#include "tests/support/platform_test.h"
#include "winapi/emulation/device_context.h"

// Corvane_S on fake services that write one journal together, so that a test sees the order in
// which the form captured, played, showed, raised, started timers and ended.
namespace corvane::display_test {

using Journal = std::vector<std::string>;

// Every pixel of the screen differs from its neighbours and from its inverse.
inline gfx::Pixel Pattern(int x, int y) {
  return static_cast<gfx::Pixel>((x * 7919 + y * 104729) & 0x00FFFFFF) | 0x010000;
}

inline gfx::Surface PatternScreen() {
  gfx::Surface screen = *gfx::Surface::Create(1100, 100);
  for (int y = 0; y < screen.height(); ++y) {
    for (int x = 0; x < screen.width(); ++x) screen.Row(y)[x] = Pattern(x, y);
  }
  return screen;
}

class FixedClock final : public TimeOfDay {
 public:
  std::int32_t SecondsSinceMidnight() override { return seconds; }
  std::int32_t seconds = 45296;
};

// Hands out the numbers it was given, in turn, and remembers every seed.
class ScriptedRandom final : public RandomNumbers {
 public:
  void Randomize(std::int32_t seed) override { seeds.push_back(seed); }
  float Rnd() override {
    const float r = numbers[next % numbers.size()];
    ++next;
    return r;
  }
  std::vector<float> numbers{0.1f, 0.5f, 0.9f};
  std::size_t next = 0;
  std::vector<std::int32_t> seeds;
};

// One call of the effect as the form made it.
struct EffectCall {
  gfx::HDC destination;
  gfx::HDC source;
  std::int32_t relief;
  std::int32_t phase;
  std::int32_t variant;
};

// Stands in for the library's entry point: renders the inverse of each pixel, which no pattern
// pixel equals, and remembers how it was called.
inline std::vector<EffectCall>& EffectCalls() {
  static std::vector<EffectCall> calls;
  return calls;
}

inline std::int32_t InvertingEffect(std::uint32_t destination, std::uint32_t source,
                                    std::int32_t relief, std::int32_t phase, std::int32_t variant,
                                    std::int32_t* result) {
  EffectCalls().push_back({destination, source, relief, phase, variant});
  gfx::Surface* to = gfx::DeviceContexts::Lookup(destination);
  const gfx::Surface* from = gfx::DeviceContexts::Lookup(source);
  std::int32_t status = 1;
  if (to != nullptr && from != nullptr && to->width() == from->width() &&
      to->height() == from->height()) {
    for (int y = 0; y < to->height(); ++y) {
      for (int x = 0; x < to->width(); ++x) to->Row(y)[x] = from->Row(y)[x] ^ 0x00FFFFFF;
    }
    status = 0;
  }
  if (result != nullptr) *result = status;
  return status;
}

inline constexpr const char* kProgramFolder = "/opt/corvane";

class DisplayTest : public test_support::PlatformTest {
 protected:
  DisplayTest() {
    BGM_Kind = 0;
    BGM_RepeatTrack = 0;
    BGM_File.clear();
    API_Result = 0;
    Cursor_HideCount.reset();
    CD_PollEnabled = 0;
    EffectCalls().clear();
    const auto journal = [this](std::string entry) { journal_.push_back(std::move(entry)); };
    loop_.SetJournal(journal);
    media_.SetJournal(journal);
    capture_.screen() = PatternScreen();
    capture_.on_capture = [this] { journal_.emplace_back("capture"); };
    runtime_.argument_text = "/s";
    runtime_.program_folder = kProgramFolder;
    libraries_.Provide(std::string(kProgramFolder) + "/Corvane.dll",
                       {{"GPX_Metallic", reinterpret_cast<platform::FARPROC>(&InvertingEffect)}});
    SetScreen(64, 3, 96);
    // What a user would notice of the form's top-level window.
    windows_.SetCallHook([this](std::string_view call, platform::HWND window) {
      if (call == "topmost" || call == "grab" || windows_.Parent(window) == 0) {
        journal_.emplace_back(call);
      }
    });
  }

  void SetScreen(int width, int height, double dpi) { windows_.SetScreen({width, height}, dpi); }

  // Loads the form as start-up does.
  Corvane_S& Load() {
    form_ = std::make_unique<Corvane_S>(clock_, random_);
    form_->Load();
    return *form_;
  }

  // What the display shows now, as the window system was given it.
  const gfx::Surface& Shown() { return windows_.Find(form_->Display.hWnd())->presented; }

  Journal journal_;
  FixedClock clock_;
  ScriptedRandom random_;
  std::unique_ptr<Corvane_S> form_;
};

}  // namespace corvane::display_test
